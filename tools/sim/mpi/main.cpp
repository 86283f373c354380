// vortala-sim-mpi: `vortala-sim rtp` or `vortala-sim par` as one MPI job. Rank r of P runs shard
// r+1 of P with every core it may run on; rank 0 gathers the shard reports, merges them as
// `vortala-sim merge` does and prints the report of the whole run. Only rank 0 shows progress (its
// own shard's, which the others keep pace with).
#include <mpi.h>

#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ParJson.h"
#include "ParReport.h"
#include "RtpMerge.h"
#include "RtpOptions.h"
#include "RtpReport.h"
#include "RtpRun.h"

namespace {

using namespace vortala::sim;

// Every rank's text, gathered on rank 0 in rank order (empty on the other ranks).
std::vector<std::string> GatherOnRankZero(const std::string& mine, int rank, int ranks) {
    int length = static_cast<int>(mine.size());
    std::vector<int> lengths(rank == 0 ? ranks : 0), offsets(lengths.size());
    MPI_Gather(&length, 1, MPI_INT, lengths.data(), 1, MPI_INT, 0, MPI_COMM_WORLD);
    std::string all;
    for (std::size_t r = 0; r < lengths.size(); ++r) {
        offsets[r] = static_cast<int>(all.size());
        all.resize(all.size() + static_cast<std::size_t>(lengths[r]));
    }
    MPI_Gatherv(mine.data(), length, MPI_CHAR, all.data(), lengths.data(), offsets.data(), MPI_CHAR, 0,
                MPI_COMM_WORLD);
    std::vector<std::string> texts;
    for (std::size_t r = 0; r < lengths.size(); ++r)
        texts.push_back(
            all.substr(static_cast<std::size_t>(offsets[r]), static_cast<std::size_t>(lengths[r])));
    return texts;
}

const char* kUsage =
    "usage: mpirun [-np N] [--hostfile H] vortala-sim-mpi rtp|par [options]\n"
    "Each of the N ranks runs one shard; the options are those of vortala-sim rtp or par\n"
    "but --shard, which the ranks set.\n";

// The states of a PAR run shared out over the ranks, their exact tallies joined on rank 0.
int RunPar(int rank, int ranks, int argc, char** argv, std::ostream& say) {
    ParOptions o;
    std::string error;
    if (!ParseParOptions(argc - 2, argv + 2, o, error)) {
        say << "par: " << error << '\n' << kUsage;
        return 2;
    }
    if (o.shards != 1 || !o.load.empty()) {
        say << "par: --shard and --load are not for the MPI run; use vortala-sim instead\n";
        return 2;
    }
    o.shard = static_cast<unsigned>(rank) + 1;
    o.shards = static_cast<unsigned>(ranks);
    std::ostringstream report;
    PrintParJson(report, o, vortala::sim::RunPar(o, say));
    const std::vector<std::string> texts = GatherOnRankZero(report.str(), rank, ranks);
    if (rank != 0) return 0;
    std::vector<NamedText> reports;
    for (std::size_t r = 0; r < texts.size(); ++r)
        reports.push_back({"the report of rank " + std::to_string(r), texts[r]});
    ParShard whole;
    if (!MergeParShardTexts(reports, whole, error)) {
        std::cerr << "par: " << error << '\n';
        return 2;
    }
    if (o.json)
        PrintParJson(std::cout, whole.options, whole.run);
    else
        PrintParText(std::cout, whole, ParReportInputs{});
    return 0;
}

int Run(int rank, int ranks, int argc, char** argv) {
    std::ostream nowhere(nullptr);  // discards: the other ranks stay quiet
    std::ostream& say = rank == 0 ? std::cerr : nowhere;
    const bool par = argc >= 2 && std::strcmp(argv[1], "par") == 0;
    if (argc < 2 || (!par && std::strcmp(argv[1], "rtp") != 0)) {
        say << kUsage;
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            if (rank == 0) std::cout << kUsage << (par ? ParUsage() : RtpUsage());
            return 0;
        }
    }
    if (par) return RunPar(rank, ranks, argc, argv, say);
    RtpOptions o;
    std::string error;
    if (!ParseRtpOptions(argc - 2, argv + 2, o, error)) {
        say << "rtp: " << error << '\n' << kUsage;
        return 2;
    }
    if (o.shards != 1) {
        say << "rtp: --shard is set by the ranks here; run the shards with vortala-sim instead\n";
        return 2;
    }
    o.shard = static_cast<unsigned>(rank) + 1;
    o.shards = static_cast<unsigned>(ranks);

    const RtpRunResult run = RunRtp(o, say);
    std::ostringstream report;
    PrintRtpJson(report, o, run);
    const std::vector<std::string> texts = GatherOnRankZero(report.str(), rank, ranks);
    if (rank != 0) return 0;

    std::vector<NamedText> reports;
    for (std::size_t r = 0; r < texts.size(); ++r)
        reports.push_back({"the report of rank " + std::to_string(r), texts[r]});
    ShardReport whole;
    if (!MergeShardTexts(reports, whole, error)) {
        std::cerr << "rtp: " << error << '\n';
        return 2;
    }
    return PrintRtpReport(std::cout, whole.options, whole.run, o.json);
}

}  // namespace

int main(int argc, char** argv) {
    int provided = 0, rank = 0, ranks = 1;
    // Worker threads play; only the main thread calls MPI.
    MPI_Init_thread(&argc, &argv, MPI_THREAD_FUNNELED, &provided);
    MPI_Comm_rank(MPI_COMM_WORLD, &rank);
    MPI_Comm_size(MPI_COMM_WORLD, &ranks);
    const int code = Run(rank, ranks, argc, argv);
    MPI_Finalize();
    return code;
}

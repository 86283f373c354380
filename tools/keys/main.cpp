// vortala-keys: writes the key and mouse tables of src/app/KeyGuide.cpp into the documents that
// show them, or checks that they still hold them. Each document marks its generated part with a
// line holding "NAME: begin" and one holding "NAME: end" (in a comment of its own language); the
// help page is a picture, so its key lines travel in its JPEG comment, written by tools/art.
//
//   vortala-keys check ROOT   exit 1, naming each document that differs
//   vortala-keys write ROOT   rewrite the marked parts and tools/art/helpkeys.tsv
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/KeyGuide.h"

namespace {

using vortala::KeysAsCard;

struct Part {
    const char* file;  // relative to the source tree
    const char* name;  // the marker's name; empty: the whole file
    std::string (*text)();
};

const Part kParts[] = {
    {"README.md", "keys", vortala::KeysAsMarkdown},
    {"docs/manual/index.html", "keys", vortala::KeysAsHtml},
    {"docs/manual/index.html", "mouse", vortala::MouseAsHtml},
    {"packaging/vortala.6.in", "keys", vortala::KeysAsManPage},
    {"tools/art/helpkeys.tsv", "", KeysAsCard},
};

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

// The text between the end of the begin marker's line and the start of the end marker's line.
bool FindPart(const std::string& text, const std::string& name, std::size_t& from, std::size_t& to) {
    const std::size_t begin = text.find(name + ": begin");
    const std::size_t end = text.find(name + ": end");
    if (begin == std::string::npos || end == std::string::npos || end < begin) return false;
    from = text.find('\n', begin);
    to = text.rfind('\n', end);
    if (from == std::string::npos || to == std::string::npos || to < from) return false;
    ++from, ++to;
    return true;
}

// The JPEG's comment segment (COM, FF FE), or empty.
std::string JpegComment(const std::string& jpeg) {
    std::size_t at = 2;
    if (jpeg.size() < 4 || static_cast<unsigned char>(jpeg[0]) != 0xFF ||
        static_cast<unsigned char>(jpeg[1]) != 0xD8)
        return {};
    while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF) {
        const unsigned marker = static_cast<unsigned char>(jpeg[at + 1]);
        const std::size_t length = static_cast<std::size_t>(static_cast<unsigned char>(jpeg[at + 2])) << 8 |
                                   static_cast<unsigned char>(jpeg[at + 3]);
        if (length < 2 || at + 2 + length > jpeg.size()) return {};
        if (marker == 0xFE) return jpeg.substr(at + 4, length - 2);
        if (marker == 0xDA) return {};  // the picture's data: no comment before it
        at += 2 + length;
    }
    return {};
}

int Run(bool write, const std::string& root) {
    int faults = 0;
    for (const Part& part : kParts) {
        const std::string path = root + "/" + part.file;
        std::string text;
        if (!ReadFile(path, text) && part.name[0] != '\0') {
            std::cerr << path << ": cannot be read\n";
            ++faults;
            continue;
        }
        std::size_t from = 0, to = text.size();
        if (part.name[0] != '\0' && !FindPart(text, part.name, from, to)) {
            std::cerr << path << ": no '" << part.name << ": begin' and '" << part.name << ": end' lines\n";
            ++faults;
            continue;
        }
        const std::string wanted = part.text();
        if (text.compare(from, to - from, wanted) == 0) continue;
        if (write) {
            text.replace(from, to - from, wanted);
            if (!WriteFile(path, text)) {
                std::cerr << path << ": cannot be written\n";
                ++faults;
            } else {
                std::cout << "wrote " << part.file
                          << (part.name[0] ? std::string(" (") + part.name + ")" : "") << "\n";
            }
        } else {
            std::cerr << part.file << ": the " << (part.name[0] ? part.name : "whole file")
                      << " part differs from src/app/KeyGuide.cpp; run 'make keys'\n";
            ++faults;
        }
    }
    // The help page is drawn by tools/art, which keeps the key lines it drew in the picture.
    std::string jpeg;
    const std::string picture = root + "/assets/kartabet.jpg";
    if (!ReadFile(picture, jpeg)) {
        std::cerr << picture << ": cannot be read\n";
        ++faults;
    } else if (JpegComment(jpeg) != KeysAsCard()) {
        std::cerr
            << "assets/kartabet.jpg: the help page's keys differ from src/app/KeyGuide.cpp; after 'make keys'"
               " run 'make -C tools/art pictures'\n";
        ++faults;
    }
    return faults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "check" && mode != "write") {
        std::cerr << "Usage: vortala-keys check|write SOURCE-TREE\n";
        return 2;
    }
    return Run(mode == "write", argv[2]);
}

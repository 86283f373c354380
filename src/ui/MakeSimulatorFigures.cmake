# Runs the simulator over a grid of fortune settings and writes the table SimulatorFigures.h
# declares. Risk fortune does not matter to a player who takes every win at once, so the grid
# holds it at 0. With GAMES 0 the table is empty (the recall window then says "unavailable").
#   cmake -DSIM=... -DGAMES=... -DOUT=... -P MakeSimulatorFigures.cmake
set(rows "")
if(GAMES GREATER 0)
  foreach(spin -100 -50 0 50 100)
    foreach(bonus -100 0 100)
      execute_process(COMMAND ${SIM} rtp --games ${GAMES} --fortune ${spin},0,${bonus} --json
                      OUTPUT_VARIABLE json RESULT_VARIABLE failed ERROR_QUIET)
      if(failed)
        message(FATAL_ERROR "vortala-sim failed for fortune ${spin},0,${bonus}")
      endif()
      string(JSON rtp GET "${json}" rtp)
      string(JSON low GET "${json}" rtp_ci95 0)
      string(JSON high GET "${json}" rtp_ci95 1)
      string(JSON hit GET "${json}" hit_frequency)
      string(APPEND rows "    {${spin}, 0, ${bonus}, ${rtp}, ${low}, ${high}, ${hit}, ${GAMES}},\n")
    endforeach()
  endforeach()
endif()
file(WRITE ${OUT}.new "// Made by MakeSimulatorFigures.cmake from vortala-sim runs; do not edit.
#include \"ui/SimulatorFigures.h\"

namespace vortala {

namespace {
const SimulatorFigure kFigures[] = {
${rows}    {0, 0, 0, 0, 0, 0, 0, 0},  // end
};
}  // namespace

const SimulatorFigure* FindSimulatorFigure(int spin, int risk, int bonus) {
    for (const SimulatorFigure& f : kFigures)
        if (f.games > 0 && f.spin == spin && f.risk == risk && f.bonus == bonus) return &f;
    return nullptr;
}

}  // namespace vortala
")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)

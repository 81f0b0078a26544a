// Saves the two save-loop schedules over one file in turn until it is killed; the crash-safe
// save test kills it at random moments. Usage: korvelt_save_loop FILE. Says "saving" on its
// standard output once its first save has completed.
#include "DataFile.h"
#include "SaveLoopModels.h"

#include <array>
#include <cstdio>
#include <filesystem>

int main(int argc, char **argv)
{
    using namespace korvelt;
    if (argc != 2) {
        std::fputs("usage: korvelt_save_loop FILE\n", stderr);
        return 2;
    }
    const std::filesystem::path path = argv[1];
    const std::array<ScheduleModel, 2> models{SaveLoopModel(1), SaveLoopModel(0)};
    for (unsigned long count = 0;; ++count) {
        if (!SaveDataFile(path, models.at(count % 2))) {
            std::perror("save failed");
            return 1;
        }
        if (count == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}

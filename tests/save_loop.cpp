// Saves two schedules over one file in turn until it is killed: the defaults, and one that
// differs from them in every field, so that any mix of the two is neither. The crash-safe save
// test kills it at random moments. Usage: korvelt_save_loop FILE. Says "saving" on its
// standard output once its first save has completed.
#include "text/DataFile.h"
#include "TestSchedules.h"

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
try {
    using namespace korvelt;
    const std::array<ScheduleModel, 2> models{testing::DistinctSchedule(), ScheduleModel{}};
    for (unsigned long count = 0; argc == 2; ++count) {
        if (!SaveDataFile(argv[1], models.at(count % 2))) {
            std::perror("save failed");
            return 1;
        }
        if (count == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
    return 2;
} catch (const std::exception &error) {
    std::fputs(error.what(), stderr);
    return 1;
}

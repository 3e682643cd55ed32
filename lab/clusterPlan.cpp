// jobs.txt for GNU Parallel (or any shell), slurm.sh for a Slurm job array over it.
#include "clusterPlan.h"

#include "childProgram.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

std::string writeText(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return file ? "" : "cannot write " + path + ": " + std::strerror(errno);
}

std::string slurmScript(const std::string& directory, std::size_t runs)
{
    const std::string logs = shellQuoted(directory + "/runs") + "/slurm-${SLURM_ARRAY_JOB_ID}_${SLURM_ARRAY_TASK_ID}.log";
    // One line of the script a line.
    // clang-format off
    return "#!/bin/bash\n"
           "# A Slurm job array of a Quillmoss sweep, one task per line of jobs.txt. Submit it with\n"
           "#   sbatch " + shellQuoted(directory + "/slurm.sh") + "\n"
           "# on a cluster whose nodes share this directory. Submitted again, it runs only the runs that are not\n"
           "# whole yet. When the array is done:\n"
           "#   quillmoss-lab sweep --collect " + shellQuoted(directory) + "\n"
           "#SBATCH --job-name=quillmoss-sweep\n"
           "#SBATCH --array=1-" + std::to_string(runs) + "\n"
           "#SBATCH --ntasks=1\n"
           "#SBATCH --cpus-per-task=1\n"
           "#SBATCH --output=/dev/null\n"
           "set -eu\n"
           "exec >" + logs + " 2>&1\n"
           "eval \"$(sed -n \"${SLURM_ARRAY_TASK_ID}p\" " + shellQuoted(directory + "/jobs.txt") + ")\"\n";
    // clang-format on
}

}  // namespace

std::string writeClusterPlan(const SweepPlan& plan, const std::string& directory)
{
    const std::string program = shellQuoted(ownProgramPath());
    std::string jobs;
    const std::vector<SweepRun> runs = sweepRuns(plan);
    for (const SweepRun& run : runs) {
        jobs += program;
        for (const std::string& argument : runArguments(plan, run, runDirectory(directory, run.number)))
            jobs += " " + shellQuoted(argument);
        jobs += " --skip-complete\n";
    }
    const std::string problem = writeText(directory + "/jobs.txt", jobs);
    return problem.empty() ? writeText(directory + "/slurm.sh", slurmScript(directory, runs.size())) : problem;
}

// Stepping a world held by Python.
#include "pythonWorld.h"

#include "simulationStep.h"

#include <chrono>
#include <limits>
#include <string>

namespace {
// Long enough that looking for signals costs nothing measurable, short enough that Ctrl+C feels immediate.
constexpr std::chrono::milliseconds signalInterval{20};
}  // namespace

void PythonWorld::step(long long count)
{
    StepInterruption interruption;
    step(count, interruption);
}

void PythonWorld::step(long long count, StepInterruption& interruption)
{
    if (count < 0) throw pybind11::value_error("n must be 0 or more, not " + std::to_string(count));
    std::unique_lock<std::mutex> held(lock, std::defer_lock);
    long long done = 0;
    bool tooMany = false;
    do {
        {
            pybind11::gil_scoped_release released;
            if (!held.owns_lock()) {
                held.lock();
                tooMany = count > std::numeric_limits<int>::max() - world.stepCount;
            }
            const auto sliceEnd = std::chrono::steady_clock::now() + signalInterval;
            while (!tooMany && done < count) {
                simulationStep(world);
                ++done;
                if (std::chrono::steady_clock::now() >= sliceEnd) break;
            }
        }
        if (tooMany) {
            throw pybind11::value_error("the step counter would pass " + std::to_string(std::numeric_limits<int>::max()) +
                                        ": step fewer times");
        }
        interruption.check();
    } while (done < count);
}

bool holdsWorld(const pybind11::handle& object)
{
    auto* instance = reinterpret_cast<pybind11::detail::instance*>(object.ptr());
    return instance->get_value_and_holder(pybind11::detail::get_type_info(typeid(PythonWorld))).holder_constructed();
}

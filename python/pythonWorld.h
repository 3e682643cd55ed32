// A world held by Python: the world, the cell a script selected, the seed it grew from, and the
// lock that lets one thread at a time work on it while other threads, the GIL released, step theirs.
#pragma once

#include "stepInterruption.h"
#include "world.h"

#include <pybind11/pybind11.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <utility>

class PythonWorld {
public:
    PythonWorld(World grown, std::optional<std::uint32_t> seedGrownFrom) : seed(seedGrownFrom), world(std::move(grown)) {}

    // Calls work(world) with the world's lock held and the GIL held. A thread that must wait for
    // the lock waits with the GIL released, so the thread stepping the world meanwhile is not kept
    // from finishing: the lock is always taken before the GIL, never the other way round.
    template <typename Work>
    auto with(Work&& work)
    {
        std::unique_lock<std::mutex> held(lock, std::try_to_lock);
        if (!held.owns_lock()) {
            pybind11::gil_scoped_release released;
            held.lock();
        }
        return work(world);
    }

    // Steps the world count times with the GIL released, looking between slices of a few
    // milliseconds for a reason to stop (Ctrl+C, the interpreter's exit: see StepInterruption),
    // which leaves the world whole, between two steps. ValueError for a negative count or one
    // that would carry the step counter past the largest int, before any step.
    void step(long long count);
    // The same, looking for the reasons to stop that interruption has watched since it was made.
    void step(long long count, StepInterruption& interruption);

    std::optional<std::uint32_t> seed;  // none for a loaded world; copies and pickles keep it
    int selected = -1;  // the lattice index of the cell Select Cell chose, -1 for none

private:
    World world;
    std::mutex lock;
};

// Whether a Python object of the World class holds a world: one made by World.__new__ alone
// does not.
bool holdsWorld(const pybind11::handle& object);

// Every argument that pybind11 turns into a PythonWorld passes here first: a World that holds no
// world is a TypeError saying so, not a call on memory that holds nothing.
namespace pybind11::detail {
template <>
class type_caster<PythonWorld> : public type_caster_base<PythonWorld> {
public:
    bool load(handle source, bool convert)
    {
        if (isinstance<PythonWorld>(source) && !holdsWorld(source))
            throw type_error("this quillmoss.World was not initialised: make worlds with World(...), World.load or copy()");
        return type_caster_base<PythonWorld>::load(source, convert);
    }
};
}  // namespace pybind11::detail

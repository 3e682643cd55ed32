// quillmoss.World: names, arrays and errors converted, and the same functions the program and the
// lab call; no simulation of its own.
#include "worldBinding.h"

#include "cellArrays.h"
#include "environment.h"
#include "floatText.h"
#include "movieWriter.h"
#include "pythonArguments.h"
#include "pythonWorld.h"
#include "renderMode.h"
#include "runTable.h"
#include "worldActions.h"
#include "worldFile.h"
#include "worldPictures.h"
#include "worldScenes.h"
#include "worldSettings.h"
#include "worldStatistics.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <ctime>
#include <limits>
#include <sstream>

namespace py = pybind11;

namespace {

// Python's names of the Touch tools, indexed by TouchTool.
const char* const touchToolNames[] = {"paint_with_one", "paint_with_zero", "paint_noise", "copy_culture", "select_cell"};
constexpr int touchToolCount = 5;

// The exception of a world file that cannot be read: a ValueError with the loader's reason.
PyObject* worldFileError = nullptr;
// The exception of a run stopped by Ctrl+C: a KeyboardInterrupt carrying the rows measured so far.
PyObject* runInterrupted = nullptr;

std::string knownNames(const char* const* names, int count)
{
    std::string known;
    for (int at = 0; at < count; ++at) known += std::string(at ? ", " : "") + "'" + names[at] + "'";
    return known;
}

int topologyOfName(const std::string& name)
{
    const int topology = topologyNamed(name);
    if (topology == -1)
        throw py::value_error("no topology is called '" + name + "'; they are " + knownNames(topologyNames, topologyCount));
    return topology;
}

int renderModeOfName(const std::string& name)
{
    const int mode = renderModeNamed(name);
    if (mode == -1)
        throw py::value_error("no render mode is called '" + name + "'; they are " +
                              knownNames(renderModeNames, renderModeCount));
    return mode;
}

int touchToolOfName(const std::string& name)
{
    for (int tool = 0; tool < touchToolCount; ++tool)
        if (name == touchToolNames[tool]) return tool;
    throw py::value_error("no touch tool is called '" + name + "'; they are " + knownNames(touchToolNames, touchToolCount));
}

std::uint32_t seedOf(const py::object& seed)
{
    if (seed.is_none()) return static_cast<std::uint32_t>(std::time(nullptr));
    return static_cast<std::uint32_t>(wholeNumber(seed, "seed", 0, std::numeric_limits<std::uint32_t>::max()));
}

// The sizes a World(..., size=...) asks for: (width, height) on the plane, a whole number on the
// disc and the sphere; ValueError with the range for a size out of it, MemoryError for one that
// would not fit in the memory free now, before anything is built.
WorldSizes sizesOf(int topology, const py::object& size)
{
    WorldSizes sizes;
    if (size.is_none()) return sizes;
    constexpr long long lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
    int measures[2] = {};
    if (topology == planeTopology) {
        if (!py::isinstance<py::sequence>(size) || py::isinstance<py::str>(size) || py::len(size) != 2)
            throw py::type_error("size of a plane must be (width, height), not " + std::string(py::repr(size)));
        const py::sequence sides = size;
        measures[0] = static_cast<int>(wholeNumber(sides[0], "width", lowest, highest));
        measures[1] = static_cast<int>(wholeNumber(sides[1], "height", lowest, highest));
    } else {
        measures[0] = static_cast<int>(wholeNumber(size, "size", lowest, highest));
    }
    setMeasures(topology, measures, sizes);
    const std::string outOfRange = sizeRangeProblem(topology, sizes);
    if (!outOfRange.empty()) throw py::value_error(outOfRange);
    const std::string outOfMemory = memoryProblem(topology, sizes);
    if (!outOfMemory.empty()) {
        PyErr_SetString(PyExc_MemoryError, outOfMemory.c_str());
        throw py::error_already_set();
    }
    return sizes;
}

// The world's size as Python gives it: (width, height) on the plane, a whole number elsewhere.
py::object sizeOf(const World& world)
{
    int measures[2];
    sizeMeasures(world.topology, world.sizes, measures);
    if (world.topology == planeTopology) return py::make_tuple(measures[0], measures[1]);
    return py::int_(measures[0]);
}

std::unique_ptr<PythonWorld> newPythonWorld(const std::string& topology, const py::object& seed, const py::object& size)
{
    const int built = topologyOfName(topology);
    const std::uint32_t grownFrom = seedOf(seed);
    World world = growWorld(built, grownFrom, 0, {}, sizesOf(built, size));
    if (world.empty()) throw std::bad_alloc();
    return std::make_unique<PythonWorld>(std::move(world), grownFrom);
}

std::unique_ptr<PythonWorld> worldOfBytes(const std::vector<unsigned char>& bytes, const std::string& where)
{
    std::string error;
    World world = worldFromFileBytes(bytes, error);
    if (!error.empty()) {
        PyErr_SetString(worldFileError, (where + error).c_str());
        throw py::error_already_set();
    }
    return std::make_unique<PythonWorld>(std::move(world), std::nullopt);
}

std::unique_ptr<PythonWorld> loadPythonWorld(const py::object& path)
{
    std::string error;
    World world = loadWorld(pathOf(path), error);
    if (!error.empty()) raiseWithPath(worldFileError, error);
    return std::make_unique<PythonWorld>(std::move(world), std::nullopt);
}

std::unique_ptr<PythonWorld> copyOf(PythonWorld& self)
{
    auto copy = self.with([&](World& world) { return std::make_unique<PythonWorld>(world, self.seed); });
    copy->selected = self.selected;
    return copy;
}

// A copy whose generator starts anew from a seed: one state branched into replicates of their own.
std::unique_ptr<PythonWorld> branchOf(PythonWorld& self, const py::object& seed)
{
    if (seed.is_none()) return copyOf(self);
    const std::uint32_t future = seedOf(seed);
    auto copy = copyOf(self);
    copy->with([&](World& world) { world.random.seed(future); });
    return copy;
}

// One row of the lab's table as Python values: whole numbers as ints, the rest as floats, an
// empty column (lineages while the rule is off) as None.
py::dict statisticsOf(World& world)
{
    std::istringstream header(statisticsHeader()), row(statisticsRow(measureWorld(world)));
    py::dict values;
    std::string column, value;
    while (std::getline(header, column, ',') && std::getline(row, value, ',')) {
        if (!column.empty() && column.back() == '\n') column.pop_back();
        if (!value.empty() && value.back() == '\n') value.pop_back();
        if (value.empty()) {
            values[py::str(column)] = py::none();
        } else if (value.find('.') == std::string::npos) {
            values[py::str(column)] = std::stoll(value);
        } else {
            values[py::str(column)] = std::stod(value);
        }
    }
    return values;
}

// pandas, which run() alone needs, or an ImportError saying where to find it.
py::module_ pandasForRun()
{
    try {
        return py::module_::import("pandas");
    } catch (py::error_already_set& missing) {
        if (!missing.matches(PyExc_ImportError)) throw;
        PyErr_SetString(PyExc_ImportError, "World.run needs pandas for its table: install Debian's python3-pandas");
        throw py::error_already_set();
    }
}

py::object tableOf(const py::module_& pandas, const std::string& csv)
{
    return pandas.attr("read_csv")(py::module_::import("io").attr("StringIO")(csv));
}

[[noreturn]] void raiseRunInterrupted(int stoppedAt, py::object table)
{
    const py::object error = py::handle(runInterrupted)("Ctrl+C stopped the run at step " + std::to_string(stoppedAt) +
                                                        "; the rows measured so far are in .table");
    error.attr("table") = std::move(table);
    PyErr_SetObject(runInterrupted, error.ptr());
    throw py::error_already_set();
}

// A run's steps and the steps between its rows (and a movie's frames), refused before anything is done.
void checkRunLength(long long steps, long long every)
{
    if (steps < 0) throw py::value_error("steps must be 0 or more, not " + std::to_string(steps));
    if (every < 1) throw py::value_error("every must be 1 or more, not " + std::to_string(every));
}

// The table of a run; onRow, when not None, is called with no arguments after each row is measured,
// before the world steps on: the Python side records its reporters and fields there.
py::object runTable(PythonWorld& self, long long steps, long long every, const py::object& onRow)
{
    checkRunLength(steps, every);
    const py::module_ pandas = pandasForRun();
    const auto stepCount = [&] { return self.with([](World& world) { return world.stepCount; }); };
    const auto row = [&] { return self.with([](World& world) { return statisticsRow(measureWorld(world)); }); };
    const long long first = stepCount();
    StepInterruption interruption;
    std::string table = statisticsHeader();
    long long at = first, recorded = -1;
    try {
        for (const long long rowStep : recordedSteps(first, first + steps, every)) {
            self.step(rowStep - at, interruption);
            at = recorded = rowStep;
            table += row();
            if (!onRow.is_none()) onRow();
        }
    } catch (py::error_already_set& stopped) {
        if (!stopped.matches(PyExc_KeyboardInterrupt)) throw;
        const int stoppedAt = stepCount();
        raiseRunInterrupted(stoppedAt, tableOf(pandas, stoppedAt == recorded ? table : table + row()));
    }
    return tableOf(pandas, table);
}

Picture pictureOf(PythonWorld& self, const std::string& mode, const std::string& inner)
{
    const int outerMode = renderModeOfName(mode), innerMode = renderModeOfName(inner);
    std::string problem;
    Picture picture = self.with([&](World& world) {
        py::gil_scoped_release released;
        return worldPicture(world, outerMode, innerMode, problem);
    });
    if (picture.width == 0) throw std::runtime_error(problem);
    return picture;
}

py::array_t<std::uint8_t> pictureArray(PythonWorld& self, const std::string& mode, const std::string& inner)
{
    const Picture picture = pictureOf(self, mode, inner);
    constexpr int rgb = 3, rgba = 4;
    py::array_t<std::uint8_t> array({picture.height, picture.width, rgb});
    std::uint8_t* out = array.mutable_data();
    for (std::size_t pixel = 0; pixel < picture.rgba.size() / rgba; ++pixel)
        std::copy_n(&picture.rgba[pixel * rgba], rgb, out + pixel * rgb);
    return array;
}

// The picture is drawn before the file is opened, so that a picture that cannot be had leaves the
// file as it was; Python's open() gives the file system's errors their own exceptions.
void writeSnapshot(PythonWorld& self, const py::object& path, const std::string& mode, const std::string& inner)
{
    pathOf(path);  // refuses what is no path: open() would take a number for a file descriptor
    const std::vector<std::uint8_t> png = pngBytes(pictureOf(self, mode, inner));
    if (png.empty()) throw std::runtime_error("libpng could not encode the picture");
    const py::object file = py::module_::import("builtins").attr("open")(py::module_::import("os").attr("fspath")(path), "wb");
    file.attr("write")(py::bytes(reinterpret_cast<const char*>(png.data()), png.size()));
    file.attr("close")();
}

// The frames quillmoss-lab run --movie writes: the picture at every row of the run's table, encoded
// by ffmpeg as they come. The frames are drawn and the steps taken with the GIL released.
void writeMovie(PythonWorld& self, const py::object& path, long long steps, long long every, const std::string& mode,
                const std::string& inner, long long fps)
{
    const std::string file = pathOf(path);
    if (!isMovieName(file)) throw py::value_error("a movie is an .mp4 or a .webm file, not " + file);
    checkRunLength(steps, every);
    if (fps < 1 || fps > mostMovieFps)
        throw py::value_error("fps must be 1.." + std::to_string(mostMovieFps) + ", not " + std::to_string(fps));
    Picture frame = pictureOf(self, mode, inner);
    MovieWriter movie;
    std::string problem = movie.open(file, frame.width, frame.height, static_cast<int>(fps));
    StepInterruption interruption;
    const long long first = self.with([](World& world) { return world.stepCount; });
    long long at = first;
    for (const long long frameStep : recordedSteps(first, first + steps, every)) {
        if (!problem.empty()) break;
        self.step(frameStep - at, interruption);
        if (frameStep != at) frame = pictureOf(self, mode, inner);
        at = frameStep;
        py::gil_scoped_release released;
        problem = movie.add(frame);
    }
    if (problem.empty()) problem = movie.finish();
    if (!problem.empty()) raiseWithPath(PyExc_OSError, problem);
}

void saveTo(PythonWorld& self, const py::object& path)
{
    std::string error;
    const std::string file = pathOf(path);
    if (!self.with([&](World& world) { return saveWorld(world, file, error); })) raiseWithPath(PyExc_OSError, error);
}

// A rule switch as a bool property; setting it feeds the rule slots, as every frame of the program does.
// An inverted switch reads True while its source is 0 (self_mutation is the source "no self-mutation" off).
void defineSwitch(py::class_<PythonWorld>& world, const char* name, int RuleSwitches::*rule, const char* doc,
                  bool inverted = false)
{
    world.def_property(
        name,
        [rule, inverted](PythonWorld& self) { return self.with([&](World& w) { return (w.switches.*rule != 0) != inverted; }); },
        [rule, name, inverted](PythonWorld& self, const py::object& value) {
            const bool on = truthValue(value, name) != inverted;
            self.with([&](World& w) {
                w.switches.*rule = on;
                feedRules(w);
            });
        },
        doc);
}

// The world keeps the rate as a 32-bit float; it reads back as the shortest decimal that is that
// float, which is the number that was set whenever that had at most seven significant digits.
double disasterRate(PythonWorld& self)
{
    return std::stod(shortestFloat(self.with([](World& world) { return world.disasterRate; })));
}

void setDisasterRate(PythonWorld& self, double rate)
{
    if (!(rate >= 0.0 && rate <= 1.0)) throw py::value_error("disaster_rate must be 0..1, not " + std::to_string(rate));
    self.with([&](World& world) { world.disasterRate = static_cast<float>(rate); });
}

void touchCell(PythonWorld& self, long long cell, const std::string& tool, const std::string& mode, double radius)
{
    const int touchTool = touchToolOfName(tool), paintedMode = renderModeOfName(mode);
    if (!(radius >= 0.0 && radius <= 1.0)) throw py::value_error("radius must be 0..1, not " + std::to_string(radius));
    self.with([&](World& world) {
        const int index = indexOfRow(world, cell);
        if (touchTool == copyCulture && selectableCell(world, self.selected) == -1)
            throw py::value_error(
                "copy_culture copies the selected cell's culture, and no cell is selected: "
                "select one first with touch(row, \"select_cell\")");
        touch(world, TouchView{self.selected, paintedMode}, index, touchTool, static_cast<float>(radius));
    });
}

py::tuple namesTuple(const char* const* names, int count)
{
    py::tuple tuple(count);
    for (int at = 0; at < count; ++at) tuple[at] = py::str(names[at]);
    return tuple;
}

}  // namespace

void bindWorld(py::module_& module)
{
    worldFileError = PyErr_NewExceptionWithDoc("quillmoss.WorldFileError",
                                               "A world file that cannot be read: damaged, foreign, of another version or "
                                               "missing. The message is the loader's reason, after the file's path.",
                                               PyExc_ValueError, nullptr);
    module.attr("WorldFileError") = py::handle(worldFileError);
    runInterrupted = PyErr_NewExceptionWithDoc("quillmoss.RunInterrupted",
                                               "Ctrl+C stopped World.run: a KeyboardInterrupt whose attribute table is the "
                                               "DataFrame of the rows measured so far, the step it stopped at last.",
                                               PyExc_KeyboardInterrupt, nullptr);
    module.attr("RunInterrupted") = py::handle(runInterrupted);
    module.attr("FIELDS") = py::tuple(py::cast(pythonFieldNames()));
    module.attr("STATISTICS") = py::tuple(py::cast(statisticNames()));
    module.attr("TOPOLOGIES") = namesTuple(topologyNames, topologyCount);
    module.attr("RENDER_MODES") = namesTuple(renderModeNames, renderModeCount);
    module.attr("TOUCH_TOOLS") = namesTuple(touchToolNames, touchToolCount);

    py::class_<PythonWorld> world(module, "World", R"(A Quillmoss world: its lattice, cells, rules and its own random generator.

Worlds are independent values: several can live in one process, be stepped in
threads of their own (the GIL is released while a world steps), be copied, and be
pickled to other processes. Cells are read and written as NumPy arrays with one row
per real cell, in the lattice's walk order.)");
    world.attr("__module__") = "quillmoss";
    world.def(py::init(&newPythonWorld), py::arg("topology") = "plane", py::arg("seed") = py::none(),
              py::arg("size") = py::none(),
              R"(A new world as the program starts one: the topology's terrain and six seeded cultures.

topology: "plane", "disc" or "sphere".
seed: the generator's seed, a whole number 0..4294967295 (anything with __index__);
None takes the clock's (see .seed).
size: the lattice's size, None for the default one: (width, height) in cells on the
plane (8..4096 each, default (80, 80)), the rings of the disc (8..2311, default 40),
the latitude rows of the sphere (odd, 9..3627, default 79). ValueError names the range
of a size out of it; MemoryError says what a world too large for the free memory needs.)");
    world.def_static("load", &loadPythonWorld, py::arg("path"),
                     "The world saved in a world file of the program or the lab. path: str, bytes or os.PathLike, as "
                     "open() takes it. WorldFileError when it cannot be read.");
    world.def("save", &saveTo, py::arg("path"),
              "Saves the world as the program and the lab do, through a new file renamed into place. path: str, bytes "
              "or os.PathLike. OSError when it cannot.");
    world.def("step", py::overload_cast<long long>(&PythonWorld::step), py::arg("n") = 1,
              R"(Steps the world n times without holding the GIL.

Ctrl+C stops it between two steps with KeyboardInterrupt, in whichever thread it runs
(while Python's own SIGINT handler is in force); in a thread other than the main one,
the interpreter's exit stops it too, with SystemExit, instead of waiting for it.)");
    world.def_readonly("seed", &PythonWorld::seed,
                       "The seed the world grew from, kept by copies and pickles; None for a world loaded from a file.");
    world.def_property_readonly(
        "step_count", [](PythonWorld& self) { return self.with([](World& w) { return w.stepCount; }); },
        "Steps since the world was made, or since kill_all().");
    world.def_property_readonly(
        "topology", [](PythonWorld& self) { return self.with([](World& w) { return std::string(topologyNames[w.topology]); }); },
        "\"plane\", \"disc\" or \"sphere\".");
    world.def_property_readonly(
        "size", [](PythonWorld& self) { return self.with([](World& w) { return sizeOf(w); }); },
        "The lattice's size: (width, height) on the plane, the number of rings of the disc or of rows of the sphere; "
        "copies, pickles and world files keep it.");
    world.def(
        "__len__", [](PythonWorld& self) { return self.with([](World& w) { return w.currentLattice->walkOrder().size(); }); },
        "The number of real cells.");
    world.def("__repr__", [](const py::object& object) {
        if (!holdsWorld(object)) return std::string("<quillmoss.World, not initialised>");
        return object.cast<PythonWorld&>().with([](World& w) {
            return "<quillmoss.World " + std::string(topologyNames[w.topology]) + ", step " + std::to_string(w.stepCount) + ", " +
                   std::to_string(w.currentLattice->walkOrder().size()) + " cells>";
        });
    });

    world.def_property_readonly(
        "fields", [](PythonWorld& self) { return self.with(fieldArray); },
        "Every field of every cell: float32, shape (cells, 12), columns in the order of FIELDS.");
    world.def(
        "field",
        [](PythonWorld& self, const std::string& name) {
            return self.with([&](World& w) { return fieldColumn(w, fieldNamed(name)); });
        },
        py::arg("name"), "One field of every cell, by its name in FIELDS: float32, shape (cells,).");
    world.def_property_readonly(
        "groups", [](PythonWorld& self) { return self.with(groupArray); },
        "Each cell's group id, -1 for none: int32, shape (cells,).");
    world.def_property_readonly(
        "parents", [](PythonWorld& self) { return self.with(parentRows); },
        "The row of each cell's parent, -1 for none: int32, shape (cells,).");
    world.def_property_readonly(
        "lineages", [](PythonWorld& self) { return self.with(lineageArray); },
        "Each cell's lineage label from the last step that ran the lineage rule, -1 for none.");
    world.def_property_readonly(
        "positions", [](PythonWorld& self) { return self.with(positionArray); },
        "Each cell's centre as the window places it, without relief: float32, shape (cells, 3).");
    world.def_property_readonly(
        "neighbours", [](PythonWorld& self) { return self.with(neighbourRows); },
        R"(The row of each cell's neighbour in the lattice's eight directions, -1 for none: int32, (cells, 8).

On the plane the relation is mutual: b is a neighbour of a exactly when a is one of b.
On the disc and the sphere it is one-way: b may be a neighbour of a while a is not one
of b. A few rows of the disc name the same neighbour in two directions.)");
    world.def_property_readonly(
        "lattice_index", [](PythonWorld& self) { return self.with(latticeIndices); },
        "The index in the lattice (and the world file) of each row: int32, shape (cells,).");
    world.def_property_readonly(
        "lattice_cursor", [](PythonWorld& self) { return self.with(latticeCursors); },
        "Each row's place in its lattice: int32, shape (cells, 2): the plane's column and row, the disc's ring and "
        "place along it, the sphere's place along its row and row (0 the northernmost).");
    world.def_property_readonly(
        "selected",
        [](PythonWorld& self) -> py::object {
            return self.with([&](World& w) -> py::object {
                const int row = rowOfIndex(w, selectableCell(w, self.selected));
                return row == -1 ? py::none() : py::cast(row);
            });
        },
        "The row of the cell touch(..., \"select_cell\") chose, or None.");

    world.def(
        "set_field",
        [](PythonWorld& self, const std::string& name, const py::object& values, const py::object& cells) {
            const int field = fieldNamed(name);
            self.with([&](World& w) { writeField(w, field, fieldWrite(w, values, cells)); });
        },
        py::arg("name"), py::arg("values"), py::arg("cells") = py::none(),
        R"(Sets a field of some cells (rows, or a boolean mask with one value per row; None for every cell),
clamped to 0..1 as the panel's sliders do.

values: one number for all, or one per cell. An empty list of cells changes nothing.
NaN, a wrong shape or a row that is no cell's is refused (ValueError, TypeError or
IndexError) and nothing is changed.)");
    world.def(
        "kill_all", [](PythonWorld& self) { self.with([](World& w) { killAll(w); }); },
        "Empties every cell of life (the ground stays) and sets the step count to 0, as Kill All does.");
    world.def(
        "clear_life",
        [](PythonWorld& self, const py::object& cells) { self.with([&](World& w) { clearLife(w, indicesOfRows(w, cells)); }); },
        py::arg("cells"),
        R"(Empties some cells (rows, as set_field takes them: None for every cell) of life as kill_all() does:
population, culture, group and parent go, the environment stays. The step count stays too.)");
    world.def(
        "seed_life",
        [](PythonWorld& self, const py::object& count) {
            self.with([&](World& w) {
                seedLife(w, static_cast<int>(
                                wholeNumber(count, "count", 0, static_cast<long long>(w.currentLattice->walkOrder().size()))));
            });
        },
        py::arg("count") = 1,
        R"(Seeds count random cells with new cultures, as Seed Life does count times.

count: 0..len(world); a cell may be drawn twice. ValueError outside that.)");
    world.def(
        "generate_environment", [](PythonWorld& self) { self.with([](World& w) { generateEnvironment(w); }); },
        "A new terrain for the world, as Generate Env makes.");
    world.def("touch", &touchCell, py::arg("cell"), py::arg("tool"), py::kw_only(), py::arg("mode") = "Environment",
              py::arg("radius") = 0.0,
              R"(Applies a Touch tool at a cell (a row), as a press of the mouse does.

tool: one of TOUCH_TOOLS. The paint tools write the field of the render mode 'mode'
(a name of RENDER_MODES); on the plane they reach every cell within radius (0..1 of
the full brush). copy_culture copies the selected cell's culture.)");

    defineSwitch(world, "pollution", &RuleSwitches::pollution, "The Pollution rule.");
    defineSwitch(world, "human_rules", &RuleSwitches::humanRules, "The Human Rules rule.");
    defineSwitch(world, "lineage_rule", &RuleSwitches::lineages,
                 "The lineage rule: no culture spreads into a cell of its own lineage.");
    defineSwitch(world, "spread_cost", &RuleSwitches::spreadCost,
                 "Spreading costs the attacker a random share of its people, won or lost. On at start.");
    defineSwitch(
        world, "group_defence", &RuleSwitches::groupDefence,
        "A spread into a cell of the attacker's own group is turned back with the chance of its membership. On at start.");
    defineSwitch(world, "self_mutation", &RuleSwitches::noSelfMutation,
                 "Every acting cell's culture mutates a little in each step. Off at start.", true);
    defineSwitch(world, "culture_drift", &RuleSwitches::cultureDrift,
                 "A member's colour drifts toward its group's. On at start.");
    world.def_property("disaster_rate", &disasterRate, &setDisasterRate,
                       "The chance of a disaster in each step, 0..1. Kept as a 32-bit float and read back as the shortest "
                       "decimal that float is: 0.1 reads back 0.1, a number of more than seven significant digits rounded.");

    world.def(
        "stats", [](PythonWorld& self) { return self.with(statisticsOf); },
        "The world's numbers as a dict: the columns and values of one row of the lab's stats.csv.");
    world.def("_run_table", &runTable, py::arg("steps"), py::arg("every"), py::arg("on_row"),
              "World.run's table of stats.csv's rows; on_row (or None) is called after each row is measured.");
    world.def("picture", &pictureArray, py::kw_only(), py::arg("mode") = "Environment", py::arg("inner") = "Culture",
              "The world window's picture with these Outer and Inner render modes: uint8, shape (height, width, 3). "
              "Drawn in this process, a forked child of it (a multiprocessing worker) included.");
    world.def("movie", &writeMovie, py::arg("path"), py::arg("steps"), py::arg("every") = 100, py::kw_only(),
              py::arg("mode") = "Environment", py::arg("inner") = "Culture", py::arg("fps") = 10,
              R"(Steps the world, writing a movie as quillmoss-lab run --movie does: picture() at every row
of run()'s table (the first step, every multiple of every, the last), fps frames a second, the same
file for the same options. path: an .mp4 (H.264) or .webm (VP9) file, written under a working name
and given its own once whole. Needs ffmpeg; OSError when it cannot write.)");
    world.def(
        "_repr_png_",
        [](PythonWorld& self) {
            const std::vector<std::uint8_t> png = pngBytes(pictureOf(self, "Environment", "Culture"));
            return py::bytes(reinterpret_cast<const char*>(png.data()), png.size());
        },
        "The world's picture as PNG bytes: a notebook shows a world as its picture.");
    world.def("snapshot", &writeSnapshot, py::arg("path"), py::kw_only(), py::arg("mode") = "Environment",
              py::arg("inner") = "Culture",
              "Writes picture() as a PNG file, the same bytes as the lab's snapshots. path: str, bytes or os.PathLike; "
              "the file is opened as open() opens it, with its exceptions.");

    world.def("copy", &branchOf, py::arg("seed") = py::none(),
              R"(An independent copy. Without a seed, stepped alike, it stays bit for bit equal to this world.

seed: a whole number 0..4294967295 replaces the copy's generator state with that seed's, so that
copies of one state with different seeds are replicates with their own random futures (the same
seed, the same future). Everything else is copied, .seed included (the seed the world grew from).)");
    world.def("__copy__", &copyOf);
    world.def(
        "__deepcopy__", [](PythonWorld& self, const py::object&) { return copyOf(self); }, py::arg("memo"));
    world.def(py::pickle(
        [](PythonWorld& self) {
            const auto bytes = self.with([](World& w) { return worldFileBytes(w); });
            return py::make_tuple(py::bytes(reinterpret_cast<const char*>(bytes.data()), bytes.size()), self.seed, self.selected);
        },
        [](const py::tuple& state) {
            const std::string bytes = state[0].cast<std::string>();
            auto world = worldOfBytes({bytes.begin(), bytes.end()}, "pickled world: ");
            world->seed = state[1].cast<std::optional<std::uint32_t>>();
            world->selected = state[2].cast<int>();
            return world;
        }));
}

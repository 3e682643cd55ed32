// Saving a world and loading it back: the same world, the same generator, the same future; every
// damaged or foreign file refused with a sentence that names the trouble, and no world.
#include "fuzzScripts.h"
#include "simulationStep.h"
#include "testWorlds.h"
#include "worldFile.h"
#include "worldHash.h"

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>

namespace {

using Bytes = std::vector<unsigned char>;
constexpr std::size_t headerBytes = 72, cellBytes = 169;  // the version 1 layout of docs/world-file.md
std::size_t cellAt(int index) { return headerBytes + static_cast<std::size_t>(index) * cellBytes; }

void setWord(Bytes& bytes, std::size_t offset, std::uint32_t word) { std::memcpy(&bytes[offset], &word, 4); }

// A world of the topology grown from the seed for some steps with the switches, disaster rate and
// spareParent given.
World grown(int topology, std::uint32_t seed, int steps, const RuleSwitches& switches, float disasterRate, int spareParent)
{
    World world = growWorld(topology, seed, 0, switches);
    world.disasterRate = disasterRate;
    world.spareParent = spareParent;
    for (int step = 0; step < steps; ++step) simulationStep(world);
    return world;
}

void stepOn(World& world, int steps)
{
    for (int step = 0; step < steps; ++step) simulationStep(world);
}

class WorldFile : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(directory); }
    void TearDown() override { std::filesystem::remove_all(directory); }
    // Everything a loaded file has to bring back.
    static auto run(const World& world)
    {
        return std::tuple(worldHash(world), world.random.state(), world.stepCount, world.nextGroupId,
                          std::vector<float>(world.rules, world.rules + ruleSlotCount), world.disasterRate, world.spareParent);
    }
    static Bytes read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    bool save(const World& world, const std::string& file) { return saveWorld(world, file, error); }

    const std::string directory = testing::TempDir() + "quillmoss-file-" + std::to_string(getpid());
    const std::string path = directory + "/world.qmw";
    std::string error;
};

TEST_F(WorldFile, ALoadedWorldIsTheSavedOneAndRunsOnAsIfNeverStopped)
{
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        RuleSwitches switches;
        switches.lineages = switches.pollution = 1;  // rules other than the ones a new world feeds: the file's must count
        World world = grown(topology, calendarSeed + topology, 120, switches, 0.1f, 0);
        setRule(world, 7, 0.25f);
        beginStep(world);  // a colour that overflowed in a step: committed clamped, it saves a world that loads
        world.cells[world.currentLattice->walkOrder()[7]].next[cultureRedField] = std::numeric_limits<float>::infinity();
        commitStep(world);
        ASSERT_TRUE(save(world, path)) << error;
        const auto saved = run(world);
        stepOn(world, 60);
        const auto uninterrupted = run(world);

        World loaded = loadWorld(path, error);
        ASSERT_EQ(error, "");
        EXPECT_EQ(run(loaded), saved) << topologyNames[topology];
        EXPECT_EQ(loaded.switches.lineages, 1) << "the switches follow the file's rules";
        EXPECT_EQ(loaded.switches.humanRules, 0);
        ASSERT_TRUE(save(loaded, path + ".again")) << error;
        EXPECT_EQ(read(path + ".again"), read(path)) << "every byte of every record came back";
        stepOn(loaded, 60);
        EXPECT_EQ(run(loaded), uninterrupted) << topologyNames[topology];
    }
}

TEST_F(WorldFile, DamagedAndForeignFilesAreRefusedWithTheirReasonAndGiveNoWorld)
{
    RuleSwitches switches;
    switches.lineages = 1;
    const World world = grown(discTopology, calendarSeed, 300, switches, 0.1f, 1);
    ASSERT_TRUE(save(world, path)) << error;
    const Bytes good = read(path);
    std::uint64_t sealed;
    std::memcpy(&sealed, &good[good.size() - 8], 8);
    EXPECT_EQ(sealed, 0xdc164bae557304e5ull) << "the records as recorded";
    EXPECT_EQ(withChecksum(good), good) << "sealed by the FNV-1a of everything before the checksum";

    const auto expectRefused = [&](const Bytes& damaged, const std::string& reason, bool reseal) {
        const Bytes bytes = reseal ? withChecksum(damaged) : damaged;
        const std::string file = path + ".other";
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        EXPECT_TRUE(loadWorld(file, error).empty());
        EXPECT_EQ(error.rfind(file + ": ", 0), 0u) << error;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    };
    EXPECT_TRUE(loadWorld(path + ".absent", error).empty());
    EXPECT_EQ(error, path + ".absent: cannot open: No such file or directory");
    EXPECT_TRUE(loadWorld(directory, error).empty());
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
    expectRefused({}, "the file is empty", false);
    expectRefused({'h', 'e', 'l', 'l', 'o', '\n'}, "not a Quillmoss world file", false);
    for (std::size_t length : {std::size_t{1}, std::size_t{71}, cellAt(1) + 3, good.size() / 2, good.size() - 1})
        expectRefused(Bytes(good.begin(), good.begin() + length), "the file ends early (truncated)", false);
    Bytes longer = good;
    longer.push_back(0);
    expectRefused(longer, "trailing bytes", false);
    const float nan = std::nanf(""), inf = std::numeric_limits<float>::infinity();
    const struct {
        std::function<void(Bytes&)> change;
        const char* reason;
        bool reseal;
    } changes[] = {
        {[](Bytes& b) { b[20] ^= 0x10; }, "checksum mismatch (the file is damaged)", false},
        {[](Bytes& b) { b[cellAt(500) + 161] ^= 0x10; }, "checksum mismatch (the file is damaged)", false},
        {[](Bytes& b) { b[6] = 'X'; }, "not a Quillmoss world file", true},
        {[](Bytes& b) { setWord(b, 8, 7); }, "file version 7, this program reads versions 1 to 2", true},
        {[](Bytes& b) { setWord(b, 12, 5); }, "unknown topology 5", true},
        {[](Bytes& b) { setWord(b, 16, 4955); }, "4955 cells, but a disc has 9840 index slots", true},
        {[&](Bytes& b) { std::memcpy(&b[cellAt(123) + 12], &nan, 4); }, "cell 123 holds a number that is not finite", true},
        {[&](Bytes& b) { std::memcpy(&b[32 + 12], &inf, 4); }, "rule slot 3 is not a finite number", true},
        {[&](Bytes& b) { std::memcpy(&b[64], &inf, 4); }, "the disaster rate is not a finite number", true},
        {[](Bytes& b) { setWord(b, cellAt(77) + 161, 9840); }, "cell 77 names parent 9840, but cells run from 0 to 9839", true},
        {[](Bytes& b) { setWord(b, cellAt(0) + 161, -2); }, "cell 0 names parent -2", true},
        {[](Bytes& b) { setWord(b, cellAt(5) + 161, 2); }, "cell 5 names parent 2, which is a hole of the disc, not a cell",
         true},
        {[](Bytes& b) { setWord(b, cellAt(9) + 96, -7); }, "cell 9 has group id -7, but ids are -1 (none) or more", true},
        {[](Bytes& b) { setWord(b, 24, -3); }, "the next group id -3 is negative", true},
    };
    for (const auto& change : changes) {
        Bytes changed = good;
        change.change(changed);
        expectRefused(changed, change.reason, change.reseal);
    }
}

// A world of another size records it in version 2's header and comes back at that size; one of
// the default size is still version 1, and a size its cells do not fill is refused.
TEST_F(WorldFile, AWorldKeepsItsSizeAndAFileWhoseSizeItsCellsDoNotFitIsRefused)
{
    const struct {
        int topology;
        WorldSizes sizes;
        std::uint32_t version;
        std::int32_t measures[2];
    } cases[] = {{planeTopology, {24, 16}, 2, {24, 16}},
                 {discTopology, {80, 80, 12}, 2, {12, 0}},
                 {sphereTopology, {80, 80, 40, 15}, 2, {15, 0}},
                 {sphereTopology, {}, 1, {79, 0}}};
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(topologyNames[each.topology]) + " " + sizeText(each.topology, each.sizes));
        const World world = growWorld(each.topology, calendarSeed, 30, {}, each.sizes);
        const Bytes bytes = worldFileBytes(world);
        std::int32_t header[3];
        std::memcpy(header, &bytes[8], 4);
        std::memcpy(&header[1], &bytes[72], 8);
        EXPECT_EQ(static_cast<std::uint32_t>(header[0]), each.version);
        if (each.version == worldFileVersion) {
            EXPECT_EQ(header[1], each.measures[0]);
            EXPECT_EQ(header[2], each.measures[1]);
        }
        const World loaded = worldFromFileBytes(bytes, error);
        ASSERT_EQ(error, "");
        EXPECT_EQ(worldHash(loaded), worldHash(world));
        int measures[2];
        sizeMeasures(each.topology, loaded.sizes, measures);
        EXPECT_EQ(std::vector<int>(measures, measures + 2), std::vector<int>(each.measures, each.measures + 2));
    }
    const Bytes plane = worldFileBytes(growWorld(planeTopology, calendarSeed, 0, {}, WorldSizes{24, 16}));
    const std::pair<std::function<void(Bytes&)>, std::string> refusals[] = {
        {[](Bytes& b) { setWord(b, 72, 30); }, "384 cells, but a plane of 30x16 has 480 index slots"},
        {[](Bytes& b) { setWord(b, 8, 1); }, "384 cells, but a plane has 6400 index slots"},
        {[](Bytes& b) { setWord(b, 76, 5000); },
         "the file is damaged: a plane of 24x5000 cells is out of range: width and height run from 8 to 4096"},
    };
    for (const auto& [change, reason] : refusals) {
        Bytes changed = plane;
        change(changed);
        EXPECT_TRUE(worldFromFileBytes(withChecksum(changed), error).empty()) << reason;
        EXPECT_EQ(error, reason);
    }
}

TEST_F(WorldFile, AFailedSaveLeavesNoFileBehind)
{
    const World world = growWorld(planeTopology, 1, 0);
    ASSERT_TRUE(save(world, path)) << error;
    std::filesystem::create_directories(directory + "/occupied/inside");
    EXPECT_FALSE(save(world, directory + "/occupied")) << "a directory in the way";
    EXPECT_NE(error.find("cannot replace the file"), std::string::npos) << error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 2) << "no temporary file left";
    const Bytes good = read(path);
    EXPECT_FALSE(save(World{}, path));
    EXPECT_EQ(error, path + ": the world is empty, there is nothing to save");
    EXPECT_EQ(read(path), good);
}

}  // namespace

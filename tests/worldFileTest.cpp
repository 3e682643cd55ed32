// Saving a world and loading it back: the same world, the same generator, the same future; every
// damaged or foreign file refused with a sentence that names the trouble, and nothing changed.
#include "randomGenerator.h"
#include "simulationStep.h"
#include "world.h"
#include "worldActions.h"
#include "worldFile.h"
#include "worldHash.h"
#include "worldScenes.h"
#include "worldSettings.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace {

using byteBuffer = std::vector<unsigned char>;

// The layout of a version 1 file as docs/world-file.md gives it, written out here on purpose:
// the tests hold the file to its description, not to the code that writes it.
constexpr std::size_t magicBytes = 8;
constexpr std::size_t versionOffset = 8;
constexpr std::size_t topologyOffset = 12;
constexpr std::size_t cellCountOffset = 16;
constexpr std::size_t stepCountOffset = 20;
constexpr std::size_t nextGroupIdOffset = 24;
constexpr std::size_t generatorOffset = 28;
constexpr std::size_t rulesOffset = 32;
constexpr std::size_t disasterRateOffset = 64;
constexpr std::size_t spareParentOffset = 68;
constexpr std::size_t headerBytes = 72;
constexpr std::size_t cellBytes = 169;
constexpr std::size_t nextInCell = 48;
constexpr std::size_t groupInCell = 96;
constexpr std::size_t nextGroupInCell = 124;
constexpr std::size_t overtakenInCell = 152;
constexpr std::size_t parentBirthStepInCell = 153;
constexpr std::size_t birthStepInCell = 157;
constexpr std::size_t parentInCell = 161;
constexpr std::size_t lineageInCell = 165;
constexpr std::size_t wordBytes = 4;
constexpr std::size_t checksumBytes = 8;
constexpr int bitsPerByte = 8;

constexpr std::uint64_t fnvOffset = 14695981039346656037ull;
constexpr std::uint64_t fnvPrime = 1099511628211ull;

constexpr int discSlots = 9840;
constexpr int topologyCount = 3;
constexpr std::uint32_t someSeed = 1733500000;
constexpr std::uint32_t otherSeed = 424242;
constexpr float savedDisasterRate = 0.1f;
constexpr float otherDisasterRate = 0.5f;
constexpr int freeRuleSlot = 7;  // feedRules leaves it alone
constexpr float savedFreeRule = 0.25f;
constexpr int roundTripSteps = 300;
constexpr int refusalSteps = 40;
constexpr unsigned char flippedBit = 0x10;

// Everything a loaded file has to bring back.
struct runState {
    std::uint64_t hash;
    std::uint32_t generatorState;
    int stepCount;
    int nextGroupId;
    std::vector<float> rules;
    float disasterRate;
    int spareParent;
};

runState currentRun()
{
    return {worldHash(),
            generator::state(),
            world.stepCount,
            world.nextGroupId,
            std::vector<float>(std::begin(world.rules), std::end(world.rules)),
            disasterRate,
            spareParent};
}

void expectRun(const runState& expected)
{
    EXPECT_EQ(worldHash(), expected.hash);
    EXPECT_EQ(generator::state(), expected.generatorState);
    EXPECT_EQ(world.stepCount, expected.stepCount);
    EXPECT_EQ(world.nextGroupId, expected.nextGroupId);
    EXPECT_EQ(std::vector<float>(std::begin(world.rules), std::end(world.rules)), expected.rules);
    EXPECT_EQ(disasterRate, expected.disasterRate);
    EXPECT_EQ(spareParent, expected.spareParent);
}

byteBuffer readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return byteBuffer(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A new file every time: overwriting one in place makes some file systems flush it to the disk.
void writeBytes(const std::filesystem::path& path, const byteBuffer& bytes)
{
    std::filesystem::remove(path);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::uint64_t unsignedAt(const byteBuffer& bytes, std::size_t offset, std::size_t byteCount)
{
    std::uint64_t value = 0;
    for (std::size_t byte = 0; byte < byteCount; ++byte)
        value |= static_cast<std::uint64_t>(bytes[offset + byte]) << (byte * bitsPerByte);
    return value;
}

void setUnsignedAt(byteBuffer& bytes, std::size_t offset, std::uint64_t value, std::size_t byteCount)
{
    for (std::size_t byte = 0; byte < byteCount; ++byte)
        bytes[offset + byte] = static_cast<unsigned char>(value >> (byte * bitsPerByte));
}

std::int32_t wordAt(const byteBuffer& bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(unsignedAt(bytes, offset, wordBytes));
}

void setWordAt(byteBuffer& bytes, std::size_t offset, std::int32_t value)
{
    setUnsignedAt(bytes, offset, static_cast<std::uint32_t>(value), wordBytes);
}

void setFloatAt(byteBuffer& bytes, std::size_t offset, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    setUnsignedAt(bytes, offset, bits, wordBytes);
}

float floatAt(const byteBuffer& bytes, std::size_t offset)
{
    const auto bits = static_cast<std::uint32_t>(unsignedAt(bytes, offset, wordBytes));
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t checksumOf(const byteBuffer& bytes)
{
    std::uint64_t hash = fnvOffset;
    for (std::size_t at = 0; at + checksumBytes < bytes.size(); ++at) hash = (hash ^ bytes[at]) * fnvPrime;
    return hash;
}

// Writes a fresh checksum, so that a value changed on purpose passes the checksum and meets the
// checks behind it.
void reseal(byteBuffer& bytes) { setUnsignedAt(bytes, bytes.size() - checksumBytes, checksumOf(bytes), checksumBytes); }

std::size_t cellOffset(int index) { return headerBytes + static_cast<std::size_t>(index) * cellBytes; }

int anotherTopology(int topology) { return (topology + 1) % topologyCount; }

Group groupAt(const byteBuffer& bytes, std::size_t offset)
{
    Group group;
    group.id = wordAt(bytes, offset);
    group.field = wordAt(bytes, offset + wordBytes);
    group.center = floatAt(bytes, offset + 2 * wordBytes);
    group.deviation = floatAt(bytes, offset + 3 * wordBytes);
    group.colour = {floatAt(bytes, offset + 4 * wordBytes), floatAt(bytes, offset + 5 * wordBytes),
                    floatAt(bytes, offset + 6 * wordBytes)};
    return group;
}

bool sameGroup(const Group& a, const Group& b)
{
    return a.id == b.id && a.field == b.field && a.center == b.center && a.deviation == b.deviation && a.colour == b.colour;
}

// The record at its place in the file is the cell's, field by field.
bool recordMatches(const byteBuffer& bytes, int index, const Cell& cell)
{
    const std::size_t at = cellOffset(index);
    for (int f = 0; f < cellFieldCount; ++f) {
        if (floatAt(bytes, at + f * wordBytes) != cell.field[f] ||
            floatAt(bytes, at + nextInCell + f * wordBytes) != cell.next[f])
            return false;
    }
    return sameGroup(groupAt(bytes, at + groupInCell), cell.group) &&
           sameGroup(groupAt(bytes, at + nextGroupInCell), cell.nextGroup) && bytes[at + overtakenInCell] == cell.overtaken &&
           wordAt(bytes, at + parentBirthStepInCell) == cell.parentBirthStep &&
           wordAt(bytes, at + birthStepInCell) == cell.birthStep && wordAt(bytes, at + parentInCell) == cell.parent &&
           wordAt(bytes, at + lineageInCell) == cell.lineage;
}

class WorldFile : public testing::Test {
protected:
    void SetUp() override
    {
        startingGenerator = generator::state();
        startingDisasterRate = disasterRate;
        startingSpareParent = spareParent;
        startingLineageOn = lineageOn;
        startingPollutionOn = pollutionOn;
        directory = std::filesystem::path(testing::TempDir()) / ("quillmoss-world-file-" + std::to_string(getpid()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        path = (directory / "world.qmw").string();
    }

    void TearDown() override
    {
        world = World{};
        generator::setState(startingGenerator);
        disasterRate = startingDisasterRate;
        spareParent = startingSpareParent;
        lineageOn = startingLineageOn;
        pollutionOn = startingPollutionOn;
        std::filesystem::remove_all(directory);
    }

    // A disc grown a little and saved: the world every refusal must leave as it is.
    byteBuffer savedDisc()
    {
        disasterRate = savedDisasterRate;
        growWorld(discTopology, someSeed, refusalSteps);
        std::string error;
        EXPECT_TRUE(saveWorld(path, error)) << error;
        return readBytes(path);
    }

    void expectRefusal(const std::string& file, const std::string& words)
    {
        const runState before = currentRun();
        std::string error;
        EXPECT_FALSE(loadWorld(file, error));
        EXPECT_NE(error.find(file + ": "), std::string::npos) << error;
        EXPECT_NE(error.find(words), std::string::npos) << error;
        expectRun(before);
    }

    void expectRefused(const byteBuffer& bytes, const std::string& words)
    {
        const std::string file = (directory / "other.qmw").string();
        writeBytes(file, bytes);
        expectRefusal(file, words);
    }

    std::uint32_t startingGenerator = 0;
    float startingDisasterRate = 0.0f;
    int startingSpareParent = 0;
    int startingLineageOn = 0;
    int startingPollutionOn = 0;
    std::filesystem::path directory;
    std::string path;
};

TEST_F(WorldFile, LoadingBringsBackTheSavedWorldOnEveryTopology)
{
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        SCOPED_TRACE(topology);
        disasterRate = savedDisasterRate;
        spareParent = 0;
        growWorld(topology, someSeed + topology, roundTripSteps);
        setRule(freeRuleSlot, savedFreeRule);
        std::string error;
        ASSERT_TRUE(saveWorld(path, error)) << error;
        const runState saved = currentRun();

        killAll();
        setTopology(anotherTopology(topology));
        generator::seed(otherSeed);
        disasterRate = otherDisasterRate;
        spareParent = 1;
        setRule(freeRuleSlot, 0.0f);
        selectCell(0);
        ASSERT_TRUE(loadWorld(path, error)) << error;

        expectRun(saved);
        EXPECT_EQ(world.topology, topology);
        ASSERT_TRUE(world.currentLattice);
        EXPECT_EQ(world.cellCount, world.currentLattice->cellCount());
        EXPECT_TRUE(world.lineageStack);
        EXPECT_EQ(getSelectedIndex(), -1);
        EXPECT_EQ(getSelectedCell(), nullptr);

        // Saved again, the world writes the same bytes: every field of every record came back.
        const std::string again = (directory / "again.qmw").string();
        ASSERT_TRUE(saveWorld(again, error)) << error;
        EXPECT_EQ(readBytes(again), readBytes(path));
    }
}

TEST_F(WorldFile, TheFileHoldsTheHeaderTheRecordsAndTheChecksum)
{
    lineageOn = 1;  // for lineage labels other than -1 in the records
    disasterRate = savedDisasterRate;
    growWorld(discTopology, someSeed, roundTripSteps);
    std::string error;
    ASSERT_TRUE(saveWorld(path, error)) << error;
    const byteBuffer bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), headerBytes + discSlots * cellBytes + checksumBytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + magicBytes), std::string("QMWORLD", magicBytes));
    EXPECT_EQ(wordAt(bytes, versionOffset), 1);
    EXPECT_EQ(wordAt(bytes, topologyOffset), discTopology);
    EXPECT_EQ(wordAt(bytes, cellCountOffset), discSlots);
    EXPECT_EQ(wordAt(bytes, stepCountOffset), world.stepCount);
    EXPECT_EQ(wordAt(bytes, nextGroupIdOffset), world.nextGroupId);
    EXPECT_EQ(static_cast<std::uint32_t>(wordAt(bytes, generatorOffset)), generator::state());
    for (int slot = 0; slot < ruleSlotCount; ++slot) {
        EXPECT_EQ(floatAt(bytes, rulesOffset + slot * wordBytes), world.rules[slot]);
    }
    EXPECT_EQ(floatAt(bytes, disasterRateOffset), savedDisasterRate);
    EXPECT_EQ(wordAt(bytes, spareParentOffset), spareParent);
    int labelled = 0;
    int grouped = 0;
    int overtaken = 0;
    for (int index = 0; index < world.cellCount; ++index) {
        const Cell& cell = world.cells[index];
        ASSERT_TRUE(recordMatches(bytes, index, cell)) << "cell " << index;
        labelled += cell.lineage != -1;
        grouped += cell.group.id != -1;
        overtaken += cell.overtaken;
    }
    // Records worth comparing: they hold lineages, groups and takeovers.
    EXPECT_GT(labelled, 0);
    EXPECT_GT(grouped, 0);
    EXPECT_GT(overtaken, 0);
    EXPECT_EQ(unsignedAt(bytes, bytes.size() - checksumBytes, checksumBytes), checksumOf(bytes));
}

TEST_F(WorldFile, AContinuedRunEndsWhereTheUninterruptedOneDoes)
{
    constexpr int savedAt = 120;
    constexpr int endsAt = 260;
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        SCOPED_TRACE(topology);
        // Rules other than the ones fed after the load: the continued run must take the file's.
        lineageOn = 1;
        pollutionOn = 1;
        disasterRate = savedDisasterRate;
        growWorld(topology, someSeed + topology, savedAt);
        std::string error;
        ASSERT_TRUE(saveWorld(path, error)) << error;
        for (int step = savedAt; step < endsAt; ++step) simulationStep();
        const runState uninterrupted = currentRun();

        lineageOn = 0;
        pollutionOn = 0;
        disasterRate = 0.0f;
        growWorld(anotherTopology(topology), otherSeed, refusalSteps);
        ASSERT_TRUE(loadWorld(path, error)) << error;
        for (int step = savedAt; step < endsAt; ++step) simulationStep();
        expectRun(uninterrupted);
    }
}

TEST_F(WorldFile, FilesThatCannotBeReadAreRefused)
{
    savedDisc();
    expectRefusal((directory / "absent.qmw").string(), "cannot open: No such file or directory");
    expectRefusal(directory.string(), "cannot read");
    expectRefused({}, "the file is empty");
}

TEST_F(WorldFile, ForeignFilesAndOtherVersionsAreRefused)
{
    const byteBuffer good = savedDisc();

    byteBuffer foreign = good;
    foreign[magicBytes - 2] = 'X';
    expectRefused(foreign, "not a Quillmoss world file");
    const std::string text = "hello, world\n";
    expectRefused(byteBuffer(text.begin(), text.end()), "not a Quillmoss world file");

    byteBuffer future = good;
    setWordAt(future, versionOffset, 7);
    expectRefused(future, "file version 7, this program reads version 1");

    byteBuffer unknownShape = good;
    setWordAt(unknownShape, topologyOffset, 5);
    expectRefused(unknownShape, "unknown topology 5");

    byteBuffer wrongCount = good;
    setWordAt(wrongCount, cellCountOffset, 4955);
    expectRefused(wrongCount, "4955 cells, but a disc has 9840 index slots");
}

TEST_F(WorldFile, ShortAndLongFilesAreRefused)
{
    const byteBuffer good = savedDisc();
    const std::size_t lengthsInsideTheCells[] = {good.size() / 2, good.size() - checksumBytes - 1, good.size() - 1};
    for (std::size_t length = 1; length <= cellOffset(2); ++length) {
        SCOPED_TRACE(length);
        expectRefused(byteBuffer(good.begin(), good.begin() + length), "the file ends early (truncated)");
    }
    for (std::size_t length : lengthsInsideTheCells) {
        SCOPED_TRACE(length);
        expectRefused(byteBuffer(good.begin(), good.begin() + length), "the file ends early (truncated)");
    }
    byteBuffer longer = good;
    longer.push_back(0);
    expectRefused(longer, "trailing bytes");
}

TEST_F(WorldFile, DamagedBytesFailTheChecksum)
{
    const byteBuffer good = savedDisc();
    const std::size_t damagedAt[] = {stepCountOffset, cellOffset(500) + parentInCell, good.size() / 2, good.size() - 1};
    for (std::size_t offset : damagedAt) {
        SCOPED_TRACE(offset);
        byteBuffer damaged = good;
        damaged[offset] ^= flippedBit;
        expectRefused(damaged, "checksum mismatch (the file is damaged)");
    }
}

TEST_F(WorldFile, ImpossibleValuesAreRefusedBehindAValidChecksum)
{
    const byteBuffer good = savedDisc();
    const auto expectRefusedSealed = [&](byteBuffer bytes, const std::string& words) {
        reseal(bytes);
        expectRefused(bytes, words);
    };

    byteBuffer notANumber = good;
    setFloatAt(notANumber, cellOffset(123) + groupMembershipField * wordBytes, std::numeric_limits<float>::quiet_NaN());
    expectRefusedSealed(notANumber, "cell 123 holds a number that is not finite");

    byteBuffer infiniteRule = good;
    setFloatAt(infiniteRule, rulesOffset + 3 * wordBytes, std::numeric_limits<float>::infinity());
    expectRefusedSealed(infiniteRule, "rule slot 3 is not a finite number");

    byteBuffer infiniteRate = good;
    setFloatAt(infiniteRate, disasterRateOffset, -std::numeric_limits<float>::infinity());
    expectRefusedSealed(infiniteRate, "the disaster rate is not a finite number");

    byteBuffer parentPastTheEnd = good;
    setWordAt(parentPastTheEnd, cellOffset(77) + parentInCell, discSlots);
    expectRefusedSealed(parentPastTheEnd, "cell 77 names parent 9840, but cells run from 0 to 9839");

    byteBuffer parentBelowNone = good;
    setWordAt(parentBelowNone, cellOffset(0) + parentInCell, -2);
    expectRefusedSealed(parentBelowNone, "cell 0 names parent -2");

    byteBuffer groupBelowNone = good;
    setWordAt(groupBelowNone, cellOffset(9) + groupInCell, -7);
    expectRefusedSealed(groupBelowNone, "cell 9 has group id -7, but ids are -1 (none) or more");

    byteBuffer negativeGroupCounter = good;
    setWordAt(negativeGroupCounter, nextGroupIdOffset, -3);
    expectRefusedSealed(negativeGroupCounter, "the next group id -3 is negative");
}

TEST_F(WorldFile, AFailedSaveLeavesNoFileBehind)
{
    const byteBuffer good = savedDisc();
    std::string error;

    const std::filesystem::path missing = directory / "missing";
    const std::string inMissing = (missing / "world.qmw").string();
    EXPECT_FALSE(saveWorld(inMissing, error));
    EXPECT_NE(error.find(inMissing + ": "), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing));

    // A directory in the way: the new file is written, then cannot take the directory's place.
    const std::filesystem::path occupied = directory / "occupied";
    std::filesystem::create_directories(occupied / "inside");
    EXPECT_FALSE(saveWorld(occupied.string(), error));
    EXPECT_NE(error.find("cannot replace the file"), std::string::npos) << error;
    const std::vector<std::filesystem::path> expectedEntries = {occupied, path};
    std::vector<std::filesystem::path> entries(std::filesystem::directory_iterator(directory), {});
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, expectedEntries);

    world = World{};
    EXPECT_FALSE(saveWorld(path, error));
    EXPECT_EQ(error, path + ": the world is empty, there is nothing to save");
    EXPECT_EQ(readBytes(path), good);
}

}  // namespace

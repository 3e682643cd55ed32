// The world file. Every value is written on its own, little-endian, so that neither the compiler's
// struct layout nor the machine's byte order reaches the disk. A file is checked whole before
// anything of it is used: a damaged file must not leave a half-loaded world behind.
#include "worldFile.h"

#include "replacingWrite.h"
#include "world.h"
#include "worldSettings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace {

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == sizeof(std::uint32_t),
              "floats are stored as their IEEE-754 bit patterns");

using byteBuffer = std::vector<unsigned char>;

constexpr char fileMagic[] = "QMWORLD";  // its terminating zero is the magic's eighth byte
constexpr std::size_t magicBytes = sizeof(fileMagic);
constexpr std::size_t wordBytes = 4;  // every i32, u32 and float
constexpr std::size_t overtakenBytes = 1;
constexpr std::size_t checksumBytes = 8;
constexpr int bitsPerByte = 8;

// After the magic: version, topology, cellCount, stepCount, nextGroupId and the generator state,
// the rule slots, then disasterRate and spareParent; from version 2 on, the lattice's size as two
// words. Version 1 holds worlds of the default sizes, and is what such a world is still saved as.
constexpr std::uint32_t defaultSizesVersion = 1;
constexpr std::size_t headerWords = 6 + ruleSlotCount + 2;
constexpr std::size_t sizeWords = 2;
constexpr std::size_t largestHeaderBytes = magicBytes + (headerWords + sizeWords) * wordBytes;
// id, field, center, deviation and the three colour channels.
constexpr std::size_t groupBytes = 7 * wordBytes;
// field and next, group and nextGroup, the overtaken byte, then parentBirthStep, birthStep,
// parent and lineage.
constexpr std::size_t cellBytes = 2 * cellFieldCount * wordBytes + 2 * groupBytes + overtakenBytes + 4 * wordBytes;

constexpr std::uint64_t fnvOffset = 14695981039346656037ull;
constexpr std::uint64_t fnvPrime = 1099511628211ull;

const char* const truncatedProblem = "the file ends early (truncated)";

// The header's values after the magic and the version.
struct fileHeader {
    std::uint32_t version = 0;
    std::int32_t topology = -1;
    std::int32_t cellCount = 0;
    std::int32_t stepCount = 0;
    std::int32_t nextGroupId = 0;
    std::uint32_t generatorState = 0;
    float rules[ruleSlotCount] = {};
    float disasterRate = 0.0f;
    std::int32_t spareParent = 0;
    WorldSizes sizes;  // the topology's own size read from the file, the others the defaults
};

std::size_t headerBytesOf(std::uint32_t version)
{
    return magicBytes + (headerWords + (version == defaultSizesVersion ? 0 : sizeWords)) * wordBytes;
}

std::size_t fileBytesFor(const fileHeader& header)
{
    return headerBytesOf(header.version) + static_cast<std::size_t>(header.cellCount) * cellBytes + checksumBytes;
}

std::uint64_t checksumOf(const unsigned char* bytes, std::size_t count)
{
    std::uint64_t hash = fnvOffset;
    for (std::size_t at = 0; at < count; ++at) hash = (hash ^ bytes[at]) * fnvPrime;
    return hash;
}

std::string systemReason() { return std::strerror(errno); }

void putUnsigned(byteBuffer& out, std::uint64_t value, std::size_t byteCount)
{
    for (std::size_t byte = 0; byte < byteCount; ++byte) out.push_back(static_cast<unsigned char>(value >> (byte * bitsPerByte)));
}

void putU32(byteBuffer& out, std::uint32_t value) { putUnsigned(out, value, wordBytes); }

void putI32(byteBuffer& out, std::int32_t value) { putU32(out, static_cast<std::uint32_t>(value)); }

void putFloat(byteBuffer& out, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    putU32(out, bits);
}

void putGroup(byteBuffer& out, const Group& group)
{
    putI32(out, group.id);
    putI32(out, group.field);
    putFloat(out, group.center);
    putFloat(out, group.deviation);
    putFloat(out, group.colour.red);
    putFloat(out, group.colour.green);
    putFloat(out, group.colour.blue);
}

void putCell(byteBuffer& out, const Cell& cell)
{
    for (float value : cell.field) putFloat(out, value);
    for (float value : cell.next) putFloat(out, value);
    putGroup(out, cell.group);
    putGroup(out, cell.nextGroup);
    out.push_back(static_cast<unsigned char>(cell.overtaken));
    putI32(out, cell.parentBirthStep);
    putI32(out, cell.birthStep);
    putI32(out, cell.parent);
    putI32(out, cell.lineage);
}

byteBuffer encodeWorld(const World& world)
{
    const std::uint32_t version = hasDefaultSize(world.topology, world.sizes) ? defaultSizesVersion : worldFileVersion;
    byteBuffer out;
    out.reserve(headerBytesOf(version) + static_cast<std::size_t>(world.cellCount) * cellBytes + checksumBytes);
    out.insert(out.end(), fileMagic, fileMagic + magicBytes);
    putU32(out, version);
    putI32(out, world.topology);
    putI32(out, world.cellCount);
    putI32(out, world.stepCount);
    putI32(out, world.nextGroupId);
    putU32(out, world.random.state());
    for (float rule : world.rules) putFloat(out, rule);
    putFloat(out, world.disasterRate);
    putI32(out, world.spareParent);
    if (version != defaultSizesVersion) {
        int measures[sizeWords];
        sizeMeasures(world.topology, world.sizes, measures);
        for (const int measure : measures) putI32(out, measure);
    }
    for (int index = 0; index < world.cellCount; ++index) putCell(out, world.cells[index]);
    putUnsigned(out, checksumOf(out.data(), out.size()), checksumBytes);
    return out;
}

// Reads the values of the file in order; the caller has made sure that the bytes are there.
class byteReader {
public:
    explicit byteReader(const unsigned char* start) : at(start) {}

    std::uint64_t unsignedOf(std::size_t byteCount)
    {
        std::uint64_t value = 0;
        for (std::size_t byte = 0; byte < byteCount; ++byte) value |= static_cast<std::uint64_t>(*at++) << (byte * bitsPerByte);
        return value;
    }
    std::uint8_t u8() { return *at++; }
    std::uint32_t u32() { return static_cast<std::uint32_t>(unsignedOf(wordBytes)); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32()
    {
        const std::uint32_t bits = u32();
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const unsigned char* at;
};

void takeHeaderValues(byteReader& reader, fileHeader& header)
{
    header.cellCount = reader.i32();
    header.stepCount = reader.i32();
    header.nextGroupId = reader.i32();
    header.generatorState = reader.u32();
    for (float& rule : header.rules) rule = reader.f32();
    header.disasterRate = reader.f32();
    header.spareParent = reader.i32();
    if (header.version == defaultSizesVersion) return;
    int measures[sizeWords];
    for (int& measure : measures) measure = reader.i32();
    setMeasures(header.topology, measures, header.sizes);
}

Group takeGroup(byteReader& reader)
{
    Group group;
    group.id = reader.i32();
    group.field = reader.i32();
    group.center = reader.f32();
    group.deviation = reader.f32();
    group.colour.red = reader.f32();
    group.colour.green = reader.f32();
    group.colour.blue = reader.f32();
    return group;
}

void takeCell(byteReader& reader, Cell& cell)
{
    for (float& value : cell.field) value = reader.f32();
    for (float& value : cell.next) value = reader.f32();
    cell.group = takeGroup(reader);
    cell.nextGroup = takeGroup(reader);
    cell.overtaken = reader.u8();
    cell.parentBirthStep = reader.i32();
    cell.birthStep = reader.i32();
    cell.parent = reader.i32();
    cell.lineage = reader.i32();
}

// Appends up to count more bytes of the file; false on a read error, which errno names.
bool readUpTo(std::FILE* file, std::size_t count, byteBuffer& bytes)
{
    const std::size_t start = bytes.size();
    bytes.resize(start + count);
    const std::size_t got = std::fread(bytes.data() + start, 1, count, file);
    bytes.resize(start + got);
    return !std::ferror(file);
}

// A file shorter than the magic is called truncated only when what it holds begins the magic.
std::string headerProblem(const byteBuffer& bytes, fileHeader& header)
{
    if (bytes.empty()) return "the file is empty";
    if (std::memcmp(bytes.data(), fileMagic, std::min(bytes.size(), magicBytes)) != 0) return "not a Quillmoss world file";
    if (bytes.size() < magicBytes + wordBytes) return truncatedProblem;
    byteReader reader(bytes.data() + magicBytes);
    header.version = reader.u32();
    if (header.version != defaultSizesVersion && header.version != worldFileVersion) {
        return "file version " + std::to_string(header.version) + ", this program reads versions " +
               std::to_string(defaultSizesVersion) + " to " + std::to_string(worldFileVersion);
    }
    if (bytes.size() < headerBytesOf(header.version)) return truncatedProblem;
    header.topology = reader.i32();
    if (header.topology < planeTopology || header.topology > sphereTopology) {
        return "unknown topology " + std::to_string(header.topology) + " (0 plane, 1 disc, 2 sphere)";
    }
    takeHeaderValues(reader, header);
    const std::string sizeProblem = sizeRangeProblem(header.topology, header.sizes);
    return sizeProblem.empty() ? std::string() : "the file is damaged: " + sizeProblem;
}

// A sound header's count of cells against the index space of its topology at its size, worked out
// before anything is built; then whether a world of that size fits in memory.
std::string countProblem(const fileHeader& header)
{
    const std::int64_t slots = indexSpaceOf(header.topology, header.sizes);
    if (header.cellCount != slots) {
        const std::string lattice =
            hasDefaultSize(header.topology, header.sizes)
                ? topologyNames[header.topology]
                : std::string(topologyNames[header.topology]) + " of " + sizeText(header.topology, header.sizes);
        return std::to_string(header.cellCount) + " cells, but a " + lattice + " has " + std::to_string(slots) + " index slots";
    }
    return memoryProblem(header.topology, header.sizes);
}

// The length and the checksum of the whole file once its header is sound; gives the world its lattice.
std::string bodyProblem(const byteBuffer& bytes, const fileHeader& header, World& loaded)
{
    const std::size_t expected = fileBytesFor(header);
    if (bytes.size() < expected) return truncatedProblem;
    if (bytes.size() > expected) return "the file goes on after the end of the world (trailing bytes)";
    byteReader checksum(bytes.data() + expected - checksumBytes);
    if (checksum.unsignedOf(checksumBytes) != checksumOf(bytes.data(), expected - checksumBytes)) {
        return "checksum mismatch (the file is damaged)";
    }
    loaded.sizes = header.sizes;
    loaded.currentLattice = sharedLattice(header.topology, header.sizes);
    return {};
}

bool isFinite(const Group& group)
{
    return std::isfinite(group.center) && std::isfinite(group.deviation) && std::isfinite(group.colour.red) &&
           std::isfinite(group.colour.green) && std::isfinite(group.colour.blue);
}

bool isFinite(const Cell& cell)
{
    const auto finite = [](float value) { return std::isfinite(value); };
    return std::all_of(std::begin(cell.field), std::end(cell.field), finite) &&
           std::all_of(std::begin(cell.next), std::end(cell.next), finite) && isFinite(cell.group) && isFinite(cell.nextGroup);
}

std::string numberProblem(const fileHeader& header, const Cell* cells, int cellCount)
{
    for (int slot = 0; slot < ruleSlotCount; ++slot) {
        if (!std::isfinite(header.rules[slot])) return "rule slot " + std::to_string(slot) + " is not a finite number";
    }
    if (!std::isfinite(header.disasterRate)) return "the disaster rate is not a finite number";
    for (int index = 0; index < cellCount; ++index) {
        if (!isFinite(cells[index])) return "cell " + std::to_string(index) + " holds a number that is not finite";
    }
    return {};
}

// Parents are cells: an index of the cell array that is no hole of the lattice. A group id below
// -1 would be neither a group nor none; new groups take their ids from nextGroupId, so it must not
// be negative either.
std::string linkProblem(const fileHeader& header, const World& loaded)
{
    if (header.nextGroupId < 0) return "the next group id " + std::to_string(header.nextGroupId) + " is negative";
    const int cellCount = header.cellCount;
    std::vector<bool> isCell(static_cast<std::size_t>(cellCount), false);
    for (const std::int32_t index : loaded.currentLattice->walkOrder()) isCell[static_cast<std::size_t>(index)] = true;
    for (int index = 0; index < cellCount; ++index) {
        const Cell& cell = loaded.cells[index];
        const std::string where = "cell " + std::to_string(index);
        if (cell.parent < -1 || cell.parent >= cellCount) {
            return where + " names parent " + std::to_string(cell.parent) + ", but cells run from 0 to " +
                   std::to_string(cellCount - 1);
        }
        if (cell.parent != -1 && !isCell[static_cast<std::size_t>(cell.parent)]) {
            return where + " names parent " + std::to_string(cell.parent) + ", which is a hole of the " +
                   topologyNames[header.topology] + ", not a cell";
        }
        const int lowestId = std::min(cell.group.id, cell.nextGroup.id);
        if (lowestId < -1) return where + " has group id " + std::to_string(lowestId) + ", but ids are -1 (none) or more";
    }
    return {};
}

// Decodes the cells into the world being loaded and checks their values.
std::string cellProblem(const byteBuffer& bytes, const fileHeader& header, World& loaded)
{
    const int count = header.cellCount;
    try {
        loaded.cells.resize(static_cast<std::size_t>(count));
        loaded.lineageStack.resize(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        return "not enough memory for the world";
    }
    byteReader reader(bytes.data() + headerBytesOf(header.version));
    for (int index = 0; index < count; ++index) takeCell(reader, loaded.cells[index]);
    const std::string problem = numberProblem(header, loaded.cells.data(), count);
    return problem.empty() ? linkProblem(header, loaded) : problem;
}

struct fileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads the file: the header first, then no more than a world of its size and one byte, which
// shows whether the file goes on past the world. Why it cannot, or empty.
std::string readWorldFile(const std::string& path, byteBuffer& bytes)
{
    const std::unique_ptr<std::FILE, fileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return "cannot open: " + systemReason();
    if (!readUpTo(file.get(), largestHeaderBytes, bytes)) return "cannot read: " + systemReason();
    fileHeader header;
    if (!headerProblem(bytes, header).empty() || !countProblem(header).empty()) return {};
    if (!readUpTo(file.get(), fileBytesFor(header) + 1 - bytes.size(), bytes)) return "cannot read: " + systemReason();
    return {};
}

// Fills the header and the world being loaded from a file's bytes; why they are no sound world, or empty.
std::string decodeWorld(const byteBuffer& bytes, fileHeader& header, World& loaded)
{
    std::string problem = headerProblem(bytes, header);
    if (problem.empty()) problem = countProblem(header);
    if (problem.empty()) problem = bodyProblem(bytes, header, loaded);
    if (problem.empty()) problem = cellProblem(bytes, header, loaded);
    return problem;
}

// The switches follow the rule slots, so that a program feeding the slots from them keeps the file's rules.
void install(const fileHeader& header, World& loaded)
{
    loaded.cellCount = header.cellCount;
    loaded.stepCount = header.stepCount;
    loaded.nextGroupId = header.nextGroupId;
    loaded.topology = header.topology;
    std::copy(std::begin(header.rules), std::end(header.rules), loaded.rules);
    takeRules(loaded);
    loaded.random.setState(header.generatorState);
    loaded.disasterRate = header.disasterRate;
    loaded.spareParent = header.spareParent;
}

bool refuse(const std::string& path, const std::string& problem, std::string& error)
{
    error = path + ": " + problem;
    return false;
}

}  // namespace

bool saveWorld(const World& world, const std::string& path, std::string& error)
{
    if (world.empty()) return refuse(path, "the world is empty, there is nothing to save", error);
    const std::string problem = writeReplacing(path, encodeWorld(world));
    if (!problem.empty()) return refuse(path, problem, error);
    return true;
}

std::string worldFileWriteProblem(const std::string& path)
{
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode)) return path + " is a directory";
    if (exists && !S_ISREG(status.st_mode)) return path + " is not a regular file";
    const std::string temporary = temporaryFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return "cannot create " + path + ": " + systemReason();
    std::fclose(file);
    std::remove(temporary.c_str());
    return {};
}

World loadWorld(const std::string& path, std::string& error)
{
    byteBuffer bytes;
    const std::string problem = readWorldFile(path, bytes);
    if (!problem.empty()) {
        refuse(path, problem, error);
        return World{};
    }
    World loaded = worldFromFileBytes(bytes, error);
    if (!error.empty()) error = path + ": " + error;
    return loaded;
}

std::vector<unsigned char> worldFileBytes(const World& world) { return world.empty() ? byteBuffer{} : encodeWorld(world); }

World worldFromFileBytes(const std::vector<unsigned char>& bytes, std::string& error)
{
    fileHeader header;
    World loaded;
    error = decodeWorld(bytes, header, loaded);
    if (!error.empty()) return World{};
    install(header, loaded);
    return loaded;
}

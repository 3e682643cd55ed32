// The simulation step: growth, adaptation, terraforming, pollution, technology, teaching,
// spreading and takeovers, group upkeep, recruiting, founding and culture drift.
#include "simulationStep.h"

#include "clamp01.h"
#include "culture.h"
#include "environment.h"
#include "groups.h"
#include "lineages.h"
#include "world.h"
#include "worldSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr float actingChance = 0.9f;  // of Metabolism
constexpr float adaptationRate = 0.005f;
constexpr float phenotypeDriftWidth = 0.01f;
constexpr float phenotypeDriftCentre = 0.005f;
constexpr float pollutionScale = 0.05f;
constexpr float learningRate = 0.005f;
constexpr float conflictWeight = 1.5f;
constexpr float defenceBase = 0.025f;
constexpr float foundingRate = 0.003125f;  // 1/320
constexpr float colourDriftRate = 0.005f;

// A pass over a world's cells in the walk's order, up to a given index at a time.
class walkSweep {
protected:
    explicit walkSweep(World& world)
        : cells(world.cells.data()),
          walk(world.currentLattice->walkOrder().data()),
          walkEnd(walk + world.currentLattice->walkOrder().size())
    {
    }

    Cell* cells;
    const std::int32_t* walk;
    const std::int32_t* walkEnd;
};

// The cells made ready for the step (next = field, nextGroup = group, overtaken = 0) a little ahead of
// the walk rather than in a pass of their own: a visit writes the next values of its own cell, of its
// neighbours, which lie at most the lattice's reach ahead, and of its parent. Every cell is made ready
// once, in the walk's order, before anything of the step touches its next block; the holes between
// them, which no visit reads or writes, are left out (readyHoles).
class readySweep : walkSweep {
public:
    explicit readySweep(World& world) : walkSweep(world) {}

    void through(int index)
    {
        for (; walk != walkEnd && *walk <= index; ++walk) {
            if (walkEnd - walk > recordsFetchedAhead) fetch(cells[walk[recordsFetchedAhead]]);
            beginRecord(cells[*walk]);
        }
    }

    static void beginRecord(Cell& cell)
    {
        std::memcpy(cell.next, cell.field, sizeof cell.next);
        cell.nextGroup = cell.group;
        cell.overtaken = 0;
    }

private:
    // The sweep is the step's first touch of a record, which in a world larger than the caches
    // comes from memory; the processor's own prefetching starts anew at every page (some two dozen
    // records), so every line of a record is asked for a few records ahead, while the ones before
    // it are readied and visited.
    static constexpr int recordsFetchedAhead = 8;
    static constexpr std::size_t cacheLineBytes = 64;

    static void fetch(const Cell& cell)
    {
        const char* bytes = reinterpret_cast<const char*>(&cell);
        for (std::size_t offset = 0; offset < sizeof(Cell); offset += cacheLineBytes) __builtin_prefetch(bytes + offset, 1);
        __builtin_prefetch(bytes + sizeof(Cell) - 1, 1);
    }
};

// The rules as the step reads them, once per step, the world's cells and generator, the lattice's
// neighbour table and the sweep that makes records ready.
struct stepRules {
    World& world;
    Cell* cells;
    RandomGenerator& random;
    float pollution;
    float spreadCost;
    bool groupDefence;
    bool selfMutation;
    float drift;
    bool human;
    bool lineages;
    const std::int32_t* neighbours;
    readySweep* sweep;
};

stepRules readRules(World& world, readySweep& sweep)
{
    const float* rules = world.rules;
    return {world,
            world.cells.data(),
            world.random,
            clamp01(rules[0]),
            clamp01(rules[1]),
            rules[2] > 0.5f,
            rules[3] == 0.0f,
            rules[4],
            rules[5] > 0.5f,
            rules[6] > 0.5f,
            world.currentLattice->neighbourTable().data(),
            &sweep};
}

// The lattice's randomNeighbour from the cell's walking cursor, read from the table: the same
// draw, the same answer.
int randomNeighbour(const stepRules& rules, int index)
{
    return rules.neighbours[index * neighbourDirections + rules.random.rand() % neighbourDirections];
}

// The shares of one visit: activity, leftover, growth and stress.
struct visitShares {
    float activity;  // K
    float fit;
    float leftover;  // R
    float growth;  // D
    float stress;  // E
};

visitShares sharesOf(const Cell& c, float activity, bool human)
{
    const float* f = c.field;
    const float fit = 1.0f - std::fabs(f[environmentField] - f[phenotypeField]);
    const float crowding = (1.0f - f[populationField]) * (1.0f - f[populationField]);
    const float misfit = human ? 0.0f : (1.0f - fit) * (1.0f - fit);
    const float total = crowding + misfit;
    const float normaliser = total < 1.0f ? 1.0f : 1.0f / total;
    const float leftover = total < 1.0f ? 1.0f - total : 0.0f;
    return {activity, fit, leftover, crowding * normaliser * activity, misfit * normaliser * activity};
}

// The cell's own life, for a cell no other culture spread into this step.
void live(Cell& c, int index, const visitShares& shares, const stepRules& rules)
{
    RandomGenerator& random = rules.random;
    Cell* const cells = rules.cells;
    const float* f = c.field;
    const float pop = f[populationField];
    const float phen = f[phenotypeField];
    const float env = f[environmentField];
    const float terra = f[terraformField];
    const float tech = f[technologyField];

    // Growth toward the capacity fit^6, by a random part of the growth share below it.
    const float fitSquared = shares.fit * shares.fit;
    const float capacity = fitSquared * fitSquared * fitSquared;
    float growth = random.u();
    if (pop < capacity) growth *= shares.growth;
    c.next[populationField] = clamp01(pop + growth * (capacity - pop));

    // A phenotype drift is drawn and stored, then the adaptation below starts again from the
    // current phenotype: only the adaptation reaches the next block, but the draw is part of the sequence.
    const float phenotypeDrift =
        (random.u() * phenotypeDriftWidth - phenotypeDriftCentre) * ((1.0f - terra) * shares.stress + 0.5f);
    c.next[phenotypeField] = clamp01(phen + phenotypeDrift);
    const float adaptation = std::min((1.0f - terra) * shares.activity * adaptationRate, 1.0f);
    c.next[phenotypeField] = clamp01(phen + adaptation * (env - phen));

    const float reshaping = std::min(terra, 1.0f);
    c.next[environmentField] = clamp01(env + reshaping * shares.stress * (phen - env));
    const float npop = c.next[populationField];
    c.next[environmentField] =
        clamp01(c.next[environmentField] + (random.u() * npop - 0.5f * npop) * rules.pollution * pollutionScale);

    // Technology grows from the leftover share, faster with a more advanced live parent.
    const bool liveParent = hasLiveParent(rules.world, c);
    float learning = learningRate;
    if (liveParent)
        learning = clamp01(std::max((cells[c.parent].field[technologyField] - tech) * learningRate, 0.0f) + learningRate);
    float ntech = tech + learning * shares.leftover;
    if (ntech > 2.0f * pop) ntech = 2.0f * pop;
    c.next[technologyField] = clamp01(ntech);

    // A more advanced neighbour than the cell's teacher becomes its parent, at once.
    const int n = randomNeighbour(rules, index);
    if (n == -1) return;
    const Cell& reference = liveParent ? cells[c.parent] : c;
    if (cells[n].field[technologyField] > reference.field[technologyField]) {
        c.parent = n;
        c.parentBirthStep = cells[n].birthStep;
    }
}

// An attempt to spread into a random neighbour, taking it over when stronger.
void spread(Cell& c, int index, const stepRules& rules)
{
    RandomGenerator& random = rules.random;
    Cell* const cells = rules.cells;
    const int target = randomNeighbour(rules, index);
    if (target == -1) return;
    Cell& t = cells[target];
    if (rules.groupDefence && t.group.id != -1 && t.group.id == c.group.id && random.u() <= c.field[groupMembershipField]) return;
    if (rules.lineages && t.lineage != -1 && t.lineage == c.lineage) return;
    if (rules.world.spareParent != 0 && c.parent == target && c.parentBirthStep == t.birthStep) return;

    const float* f = c.field;
    const float pop = f[populationField];
    const float suitability = (1.0f - std::fabs(t.field[environmentField] - f[phenotypeField]));
    const float u4 = random.u();
    const float attack =
        (1.0f - f[metabolismField]) * pop * conflictWeight + suitability * suitability * f[technologyField] * u4 * pop;
    const float targetPop = t.field[populationField];
    const float defence =
        (1.0f - t.field[metabolismField]) * targetPop * conflictWeight + t.field[technologyField] * targetPop + defenceBase;
    if (defence < attack) {
        // The takeover writes the conquered cell at once; a later visit of it sees the new links.
        t.next[phenotypeField] = f[phenotypeField];
        t.next[populationField] = attack - targetPop;  // not clamped: the next growth clamps it
        const float assimilation = targetPop == 0.0f ? 1.0f : f[assimilateField];
        const float distance = cultureDistance(c, t);
        copyCultureFrom(random, t, c, 1.0f - (1.0f - distance) * (1.0f - assimilation));
        t.overtaken = 1;
        mutate(random, t);
        t.birthStep = rules.world.stepCount;
        t.parentBirthStep = c.birthStep;
        t.parent = index;
    }
    // Spreading costs the attacker a random share of its people, won or lost.
    if (rules.spreadCost != 0.0f) c.next[populationField] = u4 * pop;
    c.next[populationField] = clamp01(c.next[populationField]);
}

// The parent or a random neighbour recruits the cell into its group when it is the
// stronger member, and grows by the recruit's population.
void recruit(Cell& c, int index, const stepRules& rules)
{
    int n = -1;
    if (c.parent != -1 && rules.random.rand() % 2 == 0) {
        n = c.parent;
        rules.sweep->through(n);  // a parent far ahead (a loaded world may link any cell)
    } else {
        n = randomNeighbour(rules, index);
    }
    if (n == -1) return;
    Cell& recruiter = rules.cells[n];
    if (recruiter.group.id == -1) return;
    if (c.group.id != -1 && !(recruiter.field[groupMembershipField] > c.field[groupMembershipField])) return;
    c.nextGroup = recruiter.group;
    recruiter.next[groupMembershipField] = std::min(recruiter.field[groupMembershipField] + c.field[populationField], 1.0f);
}

// A member's colour drifts toward its group's colour.
void driftColour(Cell& c, float drift)
{
    const float share = c.field[groupMembershipField] * drift * colourDriftRate;
    const float groupColour[] = {c.group.colour.red, c.group.colour.green, c.group.colour.blue};
    for (int k = 0; k < 3; ++k) {
        const float own = c.field[cultureRedField + k];
        c.next[cultureRedField + k] = own + (groupColour[k] - own) * share;
    }
}

void visit(int index, const stepRules& rules)
{
    RandomGenerator& random = rules.random;
    Cell& c = rules.cells[index];
    const float* f = c.field;
    float activity = 0.3f * f[technologyField] + f[populationField] + 2.0f * (1.0f - f[metabolismField]) * f[populationField];
    if (activity >= 1.0f) activity = 1.0f;
    if (activity == 0.0f) return;  // exact: a trace of life still acts, and a negative K is used as it is
    if (random.u() > actingChance * f[metabolismField]) return;

    const visitShares shares = sharesOf(c, activity, rules.human);
    if (!c.overtaken) live(c, index, shares, rules);
    if (random.u() < f[spreadRateField]) spread(c, index, rules);
    if (rules.selfMutation) mutate(random, c);
    if (c.group.id != -1) updateMembership(c.group, c);
    recruit(c, index, rules);

    const float founding = c.group.id == -1 ? 1.0f : 1.0f - f[groupMembershipField];
    if (random.u() < founding * f[populationField] * foundingRate) foundGroup(rules.world, c.nextGroup, c);
    if (!c.overtaken && c.group.id != -1) driftColour(c, rules.drift);
}

// Four floats worked on at once, as GCC and Clang offer them.
constexpr int fourFloatLanes = 4;
using fourFloats = float __attribute__((vector_size(fourFloatLanes * sizeof(float))));
static_assert(cellFieldCount % fourFloatLanes == 0);

// A finite value times zero is zero, an infinite or NaN one NaN: the products of a record's
// values add up to zero exactly when all are finite. Four values at a time, a quarter of the
// work of a value-by-value test in the step's second-busiest loop.
bool allFinite(const float (&values)[cellFieldCount])
{
    fourFloats products = {};
    for (int first = 0; first < cellFieldCount; first += fourFloatLanes) {
        fourFloats four;
        std::memcpy(&four, values + first, sizeof four);
        products += four * 0.0f;
    }
    return products[0] + products[1] + products[2] + products[3] == 0.0f;
}

// The cells committed in the walk's order, up to an index: group = nextGroup, field = next. A hole of
// the index space takes no part in a step: the readying made its next values its values, so
// committing it would change nothing, and only the cells are committed. Counts the cells whose
// parent lies beyond the lattice's neighbour span.
class commitSweep : walkSweep {
public:
    explicit commitSweep(World& world) : walkSweep(world), span(world.currentLattice->neighbourSpan()) {}

    void through(int index)
    {
        for (; walk != walkEnd && *walk <= index; ++walk) commit(*walk);
    }

    int farParents() const { return far; }

private:
    void commit(int index)
    {
        Cell& cell = cells[index];
        cell.group = cell.nextGroup;
        std::memcpy(cell.field, cell.next, sizeof cell.field);
        // Some results are left unclamped (a conquered cell's population, a recruiter's strength,
        // colours that overshoot); should one overflow, it is clamped as clamp01 does, so that no
        // infinity or NaN enters the world and spreads through every later comparison. The next
        // value takes the clamped one too: between steps next equals field, and a saved world
        // holds no number that loading it would refuse.
        if (!allFinite(cell.next))
            for (int f = 0; f < cellFieldCount; ++f)
                if (!std::isfinite(cell.next[f])) cell.field[f] = cell.next[f] = clamp01(cell.next[f]);
        if (cell.parent != -1 && std::abs(cell.parent - index) > span) ++far;
    }

    int span;
    int far = 0;
};

// The holes of the index space made ready as the step once readied every record: only needed when
// something may have written them since the last step, and the files a world is saved to keep them.
void readyHoles(World& world)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    auto cell = walk.begin();
    for (int index = 0; index < world.cellCount; ++index) {
        if (cell != walk.end() && *cell == index) ++cell;
        else readySweep::beginRecord(world.cells[index]);
    }
    world.holesReady = true;
}

}  // namespace

void beginStep(World& world)
{
    if (world.empty()) return;
    readySweep every(world);
    every.through(world.cellCount - 1);
    readyHoles(world);
}

void commitStep(World& world)
{
    if (!world.currentLattice) return;
    commitSweep every(world);
    every.through(world.cellCount - 1);
    world.farParents = every.farParents();
}

void simulationStep(World& world)
{
    if (world.empty()) return;
    world.stepCount += 1;
    if (world.random.u() < world.disasterRate) environmentDisaster(world);
    readySweep sweep(world);
    const stepRules rules = readRules(world, sweep);
    if (rules.lineages) computeLineages(world);
    const int reach = world.currentLattice->neighbourReach();
    const int span = world.currentLattice->neighbourSpan();
    // Every link a visit follows leads to a neighbour, unless a loaded world brought far parents:
    // a cell a whole span behind the visit is then final, and is committed while its record is at hand.
    const bool commitAlong = world.farParents == 0;
    commitSweep commits(world);
    for (const std::int32_t index : world.currentLattice->walkOrder()) {
        sweep.through(index + reach);
        visit(index, rules);
        if (commitAlong) commits.through(index - span);
    }
    sweep.through(world.cellCount - 1);
    commits.through(world.cellCount - 1);
    world.farParents = commits.farParents();
    if (!world.holesReady) readyHoles(world);
}

#include "scene/AllFinite.h"
#include "scene/WorldTable.h"
#include "tests/support/SceneFixture.h"

#include <algorithm>

namespace {

// One simulated hour of each world: the population stays capped, records are recycled rather
// than allocated, and the physics never produces a NaN.
class Soak : public SceneFixture, public SceneObserver, public ::testing::WithParamInterface<WorldKind> {
protected:
    Soak() { scene.SetObserver(this); }
    ~Soak() override { scene.SetObserver(nullptr); }

    void OnLinked(const SceneObject&) override
    {
        peakLive = std::max(peakLive, scene.ObjectCount());
        peakPopulation = std::max(peakPopulation, scene.Population());
    }
    void OnRemoved(const SceneObject&, RemovalReason) override {}

    std::int32_t peakLive = 0;
    std::int32_t peakPopulation = 0;
};

TEST_P(Soak, AnHourStaysBoundedAndFinite)
{
    const WorldKind world = GetParam();
    scene.Rng().Seed(20261207);
    scene.ResetWorld(world);
    const std::int32_t cap = world == WorldKind::NewtonsCradle ? 100 : 40;
    for (int minute = 0; minute < 60; ++minute) {
        RunFor(world, 60000);
        ASSERT_TRUE(AllFinite(*scene.World())) << "minute " << minute;
        ASSERT_LE(scene.Population(), cap) << "minute " << minute;
    }
    EXPECT_LE(peakPopulation, cap);
    // A record is allocated only when every earlier one is in use at once.
    EXPECT_LE(scene.ObjectRecordsAllocated(), static_cast<std::size_t>(peakLive));
    EXPECT_EQ(scene.StepCount(), 225000u);  // an hour of 16 ms steps, none lost or doubled
}

std::string WorldName(const ::testing::TestParamInfo<WorldKind>& world)
{
    return ShortNameOf(world.param);
}

INSTANTIATE_TEST_SUITE_P(EveryWorld, Soak, ::testing::ValuesIn(EveryWorld), WorldName);

}  // namespace

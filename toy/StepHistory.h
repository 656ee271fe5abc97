#pragma once

#include "render/BodyPose.h"
#include "scene/Scene.h"
#include "scene/SceneObserver.h"
#include "scene/ShellDefaults.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

// How far behind the clock the pictures between ticks show the scene: one tick and one step.
// A tick brings the bodies' state up to at least its own moment, so until the next tick, even
// one that comes a step late, the moment shown lies before the newest recorded step.
inline constexpr std::uint32_t ShowBehindMs = TickIntervalMs + Scene::StepPeriodMs;

// The states the scene's bodies passed through: for every body of a live entry, its pose at
// the moment it was linked and after each physics step since, each at its own moment on the
// step clock, the last few kept. Shown at a moment, it places each body between the two
// recorded states around that moment, in proportion to time, so that motion is as even as the
// clock, whether a tick ran three steps or four.
//
// A record starts when its entry is linked and ends when the entry is removed: a body or entry
// record that the scene recycles for a new entry starts afresh, never from the old one's poses.
class StepHistory final : public SceneObserver, public PoseSource {
public:
    void OnLinked(const SceneObject& entry) override;
    void OnRemoved(const SceneObject& entry, RemovalReason reason) override;
    void OnStepped(std::uint32_t moment) override;

    // The moment PoseOf places the bodies at.
    void ShowMoment(std::uint32_t moment) { m_shown = moment; }
    // Before a body's first record, its first pose; after its last, its last. A body with no
    // record (no entry of its own: the cradle's anchors) stands where the world holds it.
    BodyPose PoseOf(const b2Body& body) const override;

private:
    struct Sample {
        std::uint32_t moment;
        BodyPose pose;
    };
    // Enough for the moment shown, which is at most ShowBehindMs and a step before the newest.
    static constexpr std::size_t Kept = 8;
    static_assert((Kept - 2) * Scene::StepPeriodMs >= ShowBehindMs + Scene::StepPeriodMs, "too few steps kept");

    // One body's last Kept samples, in a ring, each later than the one before.
    struct Track {
        std::array<Sample, Kept> ring;
        std::size_t count = 0;
        std::size_t next = 0;  // where the next sample goes

        void Add(const Sample& sample);
        const Sample& Back(std::size_t age) const { return ring[(next + Kept - 1 - age) % Kept]; }
        BodyPose PoseAt(std::uint32_t moment) const;
    };

    std::unordered_map<const b2Body*, Track> m_tracks;
    std::uint32_t m_shown = 0;
};

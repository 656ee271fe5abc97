#pragma once

#include "scene/SceneObserver.h"

#include <cstdint>
#include <cstdio>
#include <unordered_map>

class Scene;

// Keeps the peaks of a headless run and, when tracing, prints one JSON line for every entry
// that joins or leaves the scene, with the clock reading.
class SimRecorder final : public SceneObserver {
public:
    SimRecorder(const Scene& scene, std::FILE* trace) : m_scene(scene), m_trace(trace) {}

    void OnLinked(const SceneObject& entry) override;
    void OnRemoved(const SceneObject& entry, RemovalReason reason) override;

    std::int32_t PeakLiveEntries() const { return m_peakLive; }
    std::int32_t PeakPopulation() const { return m_peakPopulation; }

private:
    const Scene& m_scene;
    std::FILE* m_trace;
    std::unordered_map<const SceneObject*, std::uint64_t> m_ids;  // live entry -> its trace id
    std::uint64_t m_nextId = 1;
    std::int32_t m_peakLive = 0;
    std::int32_t m_peakPopulation = 0;
};

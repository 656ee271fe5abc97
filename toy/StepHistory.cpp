#include "toy/StepHistory.h"

#include "scene/SceneObject.h"

namespace {

// How far `a` lies after `b` on the clock, across its wrap; negative when before.
std::int32_t After(std::uint32_t a, std::uint32_t b)
{
    return static_cast<std::int32_t>(a - b);
}

BodyPose PresentPose(const b2Body& body)
{
    return PresentPoses{}.PoseOf(body);
}

// The pose a fraction `w` of the way from `a` to `b`, turned through the angle in between.
BodyPose Between(const BodyPose& a, const BodyPose& b, float w)
{
    const float angle = a.angle + w * (b.angle - a.angle);
    const b2Vec2 p = a.transform.p + w * (b.transform.p - a.transform.p);
    return {b2Transform(p, b2Rot(angle)), angle};
}

}  // namespace

void StepHistory::Track::Add(const Sample& sample)
{
    // A step clock set back (the clock jumped) leaves no order to keep: start from this state.
    if (count > 0 && After(sample.moment, Back(0).moment) <= 0) count = 0;
    ring[next] = sample;
    next = (next + 1) % Kept;
    if (count < Kept) ++count;
}

BodyPose StepHistory::Track::PoseAt(std::uint32_t moment) const
{
    if (After(moment, Back(0).moment) >= 0) return Back(0).pose;
    for (std::size_t age = 1; age < count; ++age) {
        const Sample& earlier = Back(age);
        const std::int32_t since = After(moment, earlier.moment);
        if (since < 0) continue;
        if (since == 0) return earlier.pose;
        const Sample& later = Back(age - 1);
        const float w = static_cast<float>(since) / static_cast<float>(After(later.moment, earlier.moment));
        return Between(earlier.pose, later.pose, w);
    }
    return Back(count - 1).pose;
}

void StepHistory::OnLinked(const SceneObject& entry)
{
    if (!entry.body) return;
    Track& track = m_tracks[entry.body] = Track{};
    track.Add({entry.owner->NextStepTime(), PresentPose(*entry.body)});
}

void StepHistory::OnRemoved(const SceneObject& entry, RemovalReason)
{
    if (entry.body) m_tracks.erase(entry.body);
}

void StepHistory::OnStepped(std::uint32_t moment)
{
    for (auto& [body, track] : m_tracks) track.Add({moment, PresentPose(*body)});
}

BodyPose StepHistory::PoseOf(const b2Body& body) const
{
    const auto found = m_tracks.find(&body);
    return found == m_tracks.end() ? PresentPose(body) : found->second.PoseAt(m_shown);
}

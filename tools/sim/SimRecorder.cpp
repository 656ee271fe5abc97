#include "tools/sim/SimRecorder.h"

#include "scene/Scene.h"

#include <algorithm>
#include <cmath>

namespace {

const char* RoleOf(const SceneObject& e)
{
    if (e.joint) return "joint";
    if (e.spring) return "spring";
    if (e.body) return "body";
    return "none";
}

void PrintColor(std::FILE* out, const char* name, ColorRef c)
{
    std::fprintf(out, ",\"%s\":[%u,%u,%u]", name, RedOf(c), GreenOf(c), BlueOf(c));
}

// Shape, sizes and density of a body's first fixture; a body of several fixtures is scenery.
void PrintBody(std::FILE* out, const b2Body& body)
{
    const b2Vec2 p = body.GetPosition();
    std::fprintf(out, ",\"x\":%.9g,\"y\":%.9g,\"angle\":%.9g", p.x, p.y, body.GetAngle());
    int fixtures = 0;
    for (const b2Fixture* f = body.GetFixtureList(); f; f = f->GetNext()) ++fixtures;
    const b2Fixture* f = body.GetFixtureList();
    if (!f) return;
    if (fixtures > 1) {
        std::fprintf(out, ",\"shape\":\"compound\",\"fixtures\":%d", fixtures);
    } else if (f->GetShape()->GetType() == b2Shape::e_circle) {
        std::fprintf(out, ",\"shape\":\"circle\",\"size\":[%.9g]", f->GetShape()->m_radius);
    } else {
        const auto* polygon = static_cast<const b2PolygonShape*>(f->GetShape());
        float hx = 0.0f;
        float hy = 0.0f;
        for (int i = 0; i < polygon->m_count; ++i) {
            hx = std::max(hx, std::fabs(polygon->m_vertices[i].x));
            hy = std::max(hy, std::fabs(polygon->m_vertices[i].y));
        }
        std::fprintf(out, ",\"shape\":\"box\",\"size\":[%.9g,%.9g]", hx, hy);
    }
    std::fprintf(out, ",\"density\":%.9g", f->GetDensity());
}

void PrintEnds(std::FILE* out, const b2Vec2& a, const b2Vec2& b)
{
    std::fprintf(out, ",\"from\":[%.9g,%.9g],\"to\":[%.9g,%.9g]", a.x, a.y, b.x, b.y);
}

void PrintGeometry(std::FILE* out, const SceneObject& e)
{
    if (e.joint)
        PrintEnds(out, e.joint->GetAnchorA(), e.joint->GetAnchorB());
    else if (e.spring)
        PrintEnds(out, e.spring->bodyA->GetPosition(), e.spring->bodyB->GetPosition());
    else if (e.body)
        PrintBody(out, *e.body);
}

}  // namespace

void SimRecorder::OnLinked(const SceneObject& entry)
{
    m_peakLive = std::max(m_peakLive, m_scene.ObjectCount());
    m_peakPopulation = std::max(m_peakPopulation, m_scene.Population());
    const std::uint64_t id = m_nextId++;
    m_ids[&entry] = id;
    if (!m_trace) return;
    std::fprintf(m_trace, "{\"t\":%u,\"event\":\"create\",\"id\":%llu,\"role\":\"%s\"", m_scene.TickClock().Now(),
                 static_cast<unsigned long long>(id), RoleOf(entry));
    PrintGeometry(m_trace, entry);
    std::fprintf(m_trace, ",\"weight\":%d,\"permanent\":%s", entry.weight, entry.permanent ? "true" : "false");
    PrintColor(m_trace, "fill", entry.fillColor);
    PrintColor(m_trace, "line", entry.lineColor);
    PrintColor(m_trace, "mark", entry.markColor);
    std::fputs("}\n", m_trace);
}

void SimRecorder::OnRemoved(const SceneObject& entry, RemovalReason reason)
{
    const auto found = m_ids.find(&entry);
    const std::uint64_t id = found == m_ids.end() ? 0 : found->second;
    if (found != m_ids.end()) m_ids.erase(found);
    if (!m_trace) return;
    std::fprintf(m_trace, "{\"t\":%u,\"event\":\"remove\",\"id\":%llu,\"role\":\"%s\",\"why\":\"%s\"",
                 m_scene.TickClock().Now(), static_cast<unsigned long long>(id), RoleOf(entry),
                 RemovalReasonName(reason));
    PrintGeometry(m_trace, entry);
    std::fputs("}\n", m_trace);
}

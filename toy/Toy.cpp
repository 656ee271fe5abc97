#include "toy/Toy.h"

#include "render/PointerPlacement.h"
#include "render/Renderer.h"
#include "scene/WorldTable.h"
#include "toy/KeyAction.h"
#include "toy/TickSchedule.h"

Toy::Toy(const Clock& clock, WorldKind world, Pictures pictures)
    : m_clock(clock),
      m_scene(clock, *this),
      m_world(world),
      m_tickDue(clock.Now() + TickIntervalMs)
{
    // Listening before the first world is built, so that its scenery is recorded from the start.
    if (pictures == Pictures::BetweenTicks) {
        m_history = std::make_unique<StepHistory>();
        m_scene.SetObserver(m_history.get());
    }
    m_scene.ResetWorld(m_world);
}

Toy::~Toy()
{
    // The scene outlives the history and reports its last removals as it goes.
    m_scene.SetObserver(nullptr);
}

int Toy::TickIfDue()
{
    const std::uint32_t now = m_clock.Now();
    if (WaitBefore(m_tickDue, now) == 0) {
        m_scene.TickScene(m_world);
        m_tickDue = NextDue(m_tickDue, now);
    }
    return MsUntilTick();
}

int Toy::MsUntilTick() const
{
    return WaitBefore(m_tickDue, m_clock.Now());
}

void Toy::ShowWorld(WorldKind world)
{
    m_world = world;
    m_scene.ResetWorld(m_world);
    m_frameDue = true;
}

void Toy::ShowNextWorld()
{
    ShowWorld(EveryWorld[(static_cast<std::size_t>(m_world) + 1) % WorldCount]);
}

KeyOutcome Toy::KeyPressed(const ToyKey& key)
{
    const KeyAction action = ActionOfKey(key);
    switch (action.kind) {
    case KeyAction::ShowWorld:
        ShowWorld(action.world);
        return KeyOutcome::WorldShown;
    case KeyAction::End:
        return KeyOutcome::End;
    case KeyAction::NotOurs:
        return KeyOutcome::NotOurs;
    default:
        return KeyOutcome::Ignored;
    }
}

void Toy::PointerPressed(PointerButton button, int x, int y)
{
    if (button != PointerButton::Primary) return;
    m_dragging = true;
    DropObject(x, y);
}

void Toy::PointerMoved(int x, int y, bool primaryHeld)
{
    m_dragging = m_dragging && primaryHeld;
    if (m_dragging) DropObject(x, y);
}

void Toy::PointerReleased(PointerButton button)
{
    if (button == PointerButton::Primary) m_dragging = false;
}

void Toy::FocusLost()
{
    m_dragging = false;
}

void Toy::Resize(int width, int height)
{
    m_viewWidth = width;
    m_viewHeight = height;
    PictureLost();
}

void Toy::PictureLost()
{
    m_frameDue = m_drawWhole = true;
}

std::vector<PixelRect> Toy::DrawFrame(const PixelImage& picture, PixelPoint origin)
{
    const bool moved = origin.x != m_origin.x || origin.y != m_origin.y;
    if (!FrameDue() && !moved) return {};
    m_frameDue = false;
    const bool whole = m_drawWhole || moved;
    m_drawWhole = false;
    m_origin = origin;
    return m_redraw.Draw(m_scene, picture, m_viewWidth, m_viewHeight, whole, PosesNow(), origin);
}

void Toy::DrawWhole(DrawSurface& surface)
{
    RenderScene(m_scene, m_viewWidth, m_viewHeight, surface, PosesNow());
}

const PoseSource& Toy::PosesNow()
{
    static const PresentPoses present;
    if (!m_history) return present;
    m_history->ShowMoment(m_clock.Now() - ShowBehindMs);
    return *m_history;
}

void Toy::DropObject(int x, int y)
{
    if (x < 0 || y < 0 || x >= m_viewWidth || y >= m_viewHeight) return;
    ::PlaceObjectAt(m_scene, x, y, m_viewWidth, m_viewHeight, m_lastPlaced);
}

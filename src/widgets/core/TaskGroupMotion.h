#pragma once
// Open/closed state of one task-pane group and the height of its content panel,
// including the sliding animation that grows or shrinks the panel by a fixed step
// on every timer tick. Heights are in twips.

namespace plk {

class TaskGroupMotion {
public:
    static constexpr int kStep = 50;

    explicit TaskGroupMotion(int closedHeight = 0);

    /// The full height of the panel when open; an open group at rest follows it.
    void setOpenHeight(int twips);
    int openHeight() const { return m_openHeight; }
    int closedHeight() const { return m_closedHeight; }
    /// The panel's current height.
    int height() const { return m_height; }

    /// The state last asked for; it changes as soon as an animation starts.
    bool isOpen() const { return m_open; }
    /// The title's tag: true once the group has come to rest open, false once closed.
    bool restsOpen() const { return m_restsOpen; }
    bool isMoving() const { return m_moving; }

    /// Asks for a state. Without animation the panel takes its final height at once;
    /// with it, the panel moves on each `step`. A new request during a slide reverses
    /// it from where it is, so the flag never disagrees with where the panel goes.
    void setOpen(bool open, bool animate);
    /// One animation tick; returns whether the group is still moving.
    bool step();

private:
    void rest(bool open);

    int m_closedHeight;
    int m_openHeight;
    int m_height;
    bool m_open = false;
    bool m_restsOpen = false;
    bool m_moving = false;
};

}  // namespace plk

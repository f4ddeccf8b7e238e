#pragma once
// Files handed over by later starts are opened one after another, never from inside a
// message about an earlier one (a thousand failing files would otherwise open a
// thousand message boxes, each inside the one before). While they are opened, the
// plain messages their opening shows are held back; what was held is then shown in one
// message. Files handed over in the meantime wait their turn.

#include "app/ui/HeldMessages.h"

#include <QObject>
#include <QStringList>
#include <functional>

namespace plk {

class HandOverQueue : public QObject {
    Q_OBJECT

public:
    /// `open` opens one file, telling its failures through `dialogs`; the messages
    /// held are shown over `parent`.
    HandOverQueue(HeldMessages& dialogs, std::function<void(const QString&)> open, QWidget* parent);

    /// Files of a later start: opened once the files before them are.
    void add(const QStringList& files);

private:
    void run();

    HeldMessages& m_dialogs;
    std::function<void(const QString&)> m_open;
    QWidget* m_parent;
    QStringList m_pending;
    bool m_running = false;
};

}  // namespace plk

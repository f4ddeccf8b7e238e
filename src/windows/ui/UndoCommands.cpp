#include "windows/ui/UndoCommands.h"

#include "document/core/ProjectHistory.h"
#include "windows/ui/CommandRegistry.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QMenu>

namespace plk {

namespace {

QString named(const QString& verb, const QString& step) { return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step; }

}  // namespace

QString undoText(const QString& step) { return named(QStringLiteral("Annuler"), step); }
QString redoText(const QString& step) { return named(QStringLiteral("Rétablir"), step); }

UndoCommands::UndoCommands(QObject* parent)
    : QObject(parent),
      m_undo(new QAction(undoText(QString()), this)),
      m_redo(new QAction(redoText(QString()), this))
{
    m_undo->setShortcuts(standardKeys(QKeySequence::Undo));
    m_redo->setShortcuts(
        standardKeys(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(&m_group, &QUndoGroup::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(&m_group, &QUndoGroup::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(&m_group, &QUndoGroup::undoTextChanged, m_undo, [this](const QString& s) { m_undo->setText(undoText(s)); });
    connect(&m_group, &QUndoGroup::redoTextChanged, m_redo, [this](const QString& s) { m_redo->setText(redoText(s)); });
    connect(m_undo, &QAction::triggered, this, [this] {
        if (m_window)
            m_window->history().undo();
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        if (m_window)
            m_window->history().redo();
    });
}

void UndoCommands::addTo(QMenu* menu)
{
    menu->addAction(m_undo);
    menu->addAction(m_redo);
    menu->addSeparator();
}

void UndoCommands::addWindow(frmProjet& window) { m_group.addStack(&window.history().stack()); }

void UndoCommands::follow(frmProjet* window)
{
    m_window = window;
    m_group.setActiveStack(window ? &window->history().stack() : nullptr);
}

}  // namespace plk

#include "document/core/ProjectHistory.h"

#include "canvas/core/ObjectOrdinals.h"
#include "canvas/core/ObjectRecords.h"
#include "document/core/Project.h"
#include "document/core/PrintRecords.h"
#include "document/core/ProjectFile.h"
#include "document/core/SheetRecords.h"
#include "merge/core/MergeSettings.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

namespace plk {

namespace {

constexpr int kMergeableStep = 1;

class Step : public QUndoCommand {
public:
    Step(ProjectHistory& history, ProjectState before, ProjectState after, const void* key, int generation)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)), m_key(key),
          m_generation(generation)
    {
        setText(ProjectHistory::stepName(m_before, m_after));
    }

    void undo() override { m_history.restore(m_before); }
    void redo() override
    {
        // The change is already made when the step is pushed.
        if (m_done)
            m_history.restore(m_after);
        m_done = true;
    }
    int id() const override { return m_key ? kMergeableStep : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (next->m_key != m_key || next->m_generation != m_generation)
            return false;
        m_after = next->m_after;
        setObsolete(m_before.sameRecords(m_after));
        return true;
    }

private:
    ProjectHistory& m_history;
    ProjectState m_before;
    ProjectState m_after;
    const void* m_key;
    int m_generation;
    bool m_done = false;
};

QStringList recordLines(const QString& tab) { return tab.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts); }

QString keyword(const QString& line) { return line.section(QLatin1Char('|'), 0, 0); }

// The records of a tab's print set-up, besides PRINT, and those of its data file,
// which decide what its sheets hold.
bool isPrintRecord(const QString& kind)
{
    return kind == QLatin1String("PLANCHE") || isPrintExtension(kind) || kind == kPositionsKeyword ||
           kind == kVersoKeyword || kind == kMergeKeyword || kind == kMergeOptionsKeyword;
}

// The records of the tab itself (ONGLET, PROJET, FOND, PRINT and its set-up's) and
// those that extend an object (ZONE, ROTATION, PLACE, FUSIONLOGO); any other record is
// one of its objects.
bool isObject(const QString& line)
{
    static const QStringList kTabRecords{QStringLiteral("ONGLET"), QStringLiteral("PROJET"), QStringLiteral("FOND"),
                                         QStringLiteral("PRINT"), QStringLiteral("ZONE"), QStringLiteral("ROTATION"),
                                         QStringLiteral("PLACE"), kLogoFieldKeyword};
    return !kTabRecords.contains(keyword(line)) && !isPrintRecord(keyword(line));
}

qsizetype objectCount(const QStringList& lines) { return std::count_if(lines.begin(), lines.end(), isObject); }

// Two records of an object that differ only in their top and left fields.
bool onlyMoved(const QString& a, const QString& b)
{
    QStringList fa = a.split(QLatin1Char('|')), fb = b.split(QLatin1Char('|'));
    if (fa.size() != fb.size() || fa.size() < 4)
        return false;
    for (const int position : {2, 3})
        fa[position] = fb[position];
    return fa == fb;
}

QString tabStepName(const QStringList& before, const QStringList& after)
{
    const qsizetype objectsBefore = objectCount(before), objectsAfter = objectCount(after);
    if (objectsAfter > objectsBefore)
        return QStringLiteral("l'ajout de l'objet");
    if (objectsAfter < objectsBefore)
        return QStringLiteral("la suppression de l'objet");
    bool moved = false;
    for (qsizetype i = 0; i < before.size() && i < after.size(); ++i) {
        const QString& a = before.at(i);
        const QString& b = after.at(i);
        if (a == b)
            continue;
        // A record added or taken away shifts the ones after it: the change is its own.
        const QString kind = keyword(after.size() > before.size() ? b : a);
        if (kind == QLatin1String("ONGLET"))
            return QStringLiteral("le renommage de l'onglet");
        if (kind == QLatin1String("PROJET"))
            return QStringLiteral("la modification de l'onglet");
        if (kind == QLatin1String("FOND"))
            return QStringLiteral("la modification du fond");
        if (kind == QLatin1String("PRINT") || isPrintRecord(kind))
            return QStringLiteral("la modification de l'impression");
        if (!onlyMoved(a, b))
            return QStringLiteral("la modification de l'objet");
        moved = true;
    }
    return moved ? QStringLiteral("le déplacement") : QStringLiteral("la modification de l'objet");
}

int ordinalOf(const Etiquette& tab, const TabObject& object)
{
    int seen = 0;
    for (int i = 1; i <= object.slot(); ++i)
        if (tab.object(object.kind(), i)->visible())
            ++seen;
    return seen;
}

}  // namespace

ProjectHistory::ProjectHistory(Project& project, std::function<int()> selectedTab, std::function<void(int)> selectTab,
                               QObject* parent)
    : QObject(parent), m_project(project), m_selectedTab(std::move(selectedTab)), m_selectTab(std::move(selectTab))
{
    m_stack.setUndoLimit(kStepLimit);
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &ProjectHistory::checkpoint);
    for (int i = 1; i <= m_project.tabCount(); ++i)
        watchTab(i);
    connect(&m_project, &Project::tabAdded, this, [this](int index) {
        watchTab(index);
        schedule();
    });
    connect(&m_project, &Project::tabRemoved, this, [this] { schedule(); });
    connect(&m_project, &Project::tabCaptionChanged, this, [this](int index) {
        markDirty(&m_project.tab(index));
        schedule();
    });
    m_last = capture();
}

ProjectHistory::~ProjectHistory() = default;

void ProjectHistory::watchTab(int index)
{
    Etiquette* tab = &m_project.tab(index);
    connect(tab, &Etiquette::changed, this, [this, tab](Etiquette::Changes what) {
        // A new selection alone leaves the records as they are: the step it joins
        // only needs to know it.
        if (what & ~Etiquette::Changes(Etiquette::Change::Selection))
            markDirty(tab);
        schedule();
    });
}

void ProjectHistory::markDirty(const Etiquette* tab)
{
    for (int i = 1; i <= m_project.tabCount() && std::size_t(i) <= m_dirty.size(); ++i)
        if (&m_project.tab(i) == tab)
            m_dirty[std::size_t(i - 1)] = true;
}

void ProjectHistory::schedule()
{
    if (!m_restoring)
        m_pending.start();
}

void ProjectHistory::hold() { m_held = true; }

void ProjectHistory::release()
{
    m_held = false;
    checkpoint();
}

void ProjectHistory::setMergeKey(const void* key)
{
    if (key == m_mergeKey)
        return;
    checkpoint();
    m_mergeKey = key;
    ++m_mergeGeneration;
}

ProjectState ProjectHistory::capture()
{
    ProjectState state;
    const std::size_t count = std::size_t(m_project.tabCount());
    m_dirty.resize(count, true);
    for (std::size_t i = 0; i < count; ++i) {
        const bool known = i < std::size_t(m_last.tabs.size()) && !m_dirty[i];
        state.tabs << (known ? m_last.tabs.at(qsizetype(i)) : tabFileText(m_project, int(i + 1), RegionalFormat::system(), projectFolder(m_project)));
    }
    state.selectedTab = std::clamp(m_selectedTab(), 1, int(count));
    const Etiquette& tab = m_project.tab(state.selectedTab);
    if (const TabObject* selected = tab.selected()) {
        state.selectionKind = selected->kind();
        state.selectionOrdinal = ordinalOf(tab, *selected);
    }
    return state;
}

void ProjectHistory::checkpoint()
{
    if (m_restoring || m_held)
        return;
    m_pending.stop();
    ProjectState now = capture();
    std::fill(m_dirty.begin(), m_dirty.end(), false);
    if (now.sameRecords(m_last)) {
        m_last = std::move(now);  // the selection or the shown tab only
        return;
    }
    ProjectState before = std::exchange(m_last, now);
    m_stack.push(new Step(*this, std::move(before), std::move(now), m_mergeKey, m_mergeGeneration));
}

void ProjectHistory::restore(const ProjectState& state)
{
    m_restoring = true;
    const int wanted = int(state.tabs.size());
    while (m_project.tabCount() > wanted && m_project.removeLastTab()) {
    }
    while (m_project.tabCount() < wanted)
        m_project.addTab(QString());
    m_dirty.resize(std::size_t(wanted), true);
    for (int i = 1; i <= wanted; ++i)
        if (m_dirty[std::size_t(i - 1)] || i > int(m_last.tabs.size()) || m_last.tabs.at(i - 1) != state.tabs.at(i - 1))
            readTabText(state.tabs.at(i - 1), m_project, i, RegionalFormat::system(), projectFolder(m_project));
    m_selectTab(state.selectedTab);
    Etiquette& tab = m_project.tab(state.selectedTab);
    const int slot = state.selectionKind ? slotOfOrdinal(tab, *state.selectionKind, state.selectionOrdinal) : 0;
    if (slot > 0)
        tab.objectClick(*state.selectionKind, slot);
    else
        tab.backgroundClick();
    m_restoring = false;
    m_pending.stop();
    m_last = state;
    std::fill(m_dirty.begin(), m_dirty.end(), false);
}

void ProjectHistory::separate()
{
    checkpoint();
    ++m_mergeGeneration;
}

void ProjectHistory::undo()
{
    separate();
    m_stack.undo();
}

void ProjectHistory::redo()
{
    separate();
    m_stack.redo();
}

void ProjectHistory::markSaved()
{
    checkpoint();
    m_stack.setClean();
}

void ProjectHistory::reset()
{
    m_pending.stop();
    m_stack.clear();
    std::fill(m_dirty.begin(), m_dirty.end(), true);
    m_last = capture();
    std::fill(m_dirty.begin(), m_dirty.end(), false);
}

QString ProjectHistory::stepName(const ProjectState& before, const ProjectState& after)
{
    if (after.tabs.size() > before.tabs.size())
        return QStringLiteral("l'ajout de l'onglet");
    if (after.tabs.size() < before.tabs.size())
        return QStringLiteral("la suppression de l'onglet");
    for (qsizetype i = 0; i < before.tabs.size(); ++i)
        if (before.tabs.at(i) != after.tabs.at(i))
            return tabStepName(recordLines(before.tabs.at(i)), recordLines(after.tabs.at(i)));
    return QStringLiteral("la modification");
}

}  // namespace plk

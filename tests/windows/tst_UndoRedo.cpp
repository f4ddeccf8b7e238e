// Undo and redo in a project window: a long run of edits made through the canvas, the
// keyboard, the tool box, the menus and the dialogs, taken back one by one to exactly
// the records each edit started from; the menu entries and toolbar buttons that name
// the steps; the modified mark in the caption; the keys that edit the selection.

#include "WindowTests.h"
#include "app/ui/TaskPaneSetup.h"
#include "widgets/ui/BarreXP.h"
#include "windows/ui/CommandRegistry.h"
#include "windows/ui/ContentField.h"
#include "windows/ui/ShapePage.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>

using namespace plk;

namespace {

constexpr int kUndoButton = 11;
constexpr int kRedoButton = 12;
using test::toPx;

int firstVisibleLabel(const Etiquette& t)
{
    for (int i = 1; i <= t.labelCount(); ++i)
        if (t.label(i).Visible)
            return i;
    return 0;
}

int lastVisibleCode(const Etiquette& t)
{
    for (int i = t.codeCount(); i >= 1; --i)
        if (t.code(i).Visible)
            return i;
    return 0;
}

}  // namespace

class TestUndoRedo : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmOutils* m_outils = nullptr;
    frmAssist* m_assist = nullptr;
    frmProjet* m_w = nullptr;

    Etiquette& tab() const { return m_w->surface(m_w->selectedTab()); }
    CanvasWidget* canvas() const { return m_w->view(m_w->selectedTab())->canvas(); }
    QString records() const { return projectFileText(m_w->project()); }
    // The changes are gathered once the command is over, when the events have run.
    static void settle() { QCoreApplication::processEvents(); }

    void clickFirstLabel()
    {
        const int i = firstVisibleLabel(tab());
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, toPx(tab().labelRect(i).center()));
    }
    void dragFirstLabel(double dxMm, double dyMm)
    {
        const QPoint from = toPx(tab().labelRect(firstVisibleLabel(tab())).center());
        const QPoint to = from + toPx(QPointF(dxMm, dyMm));
        QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas(), (from + to) / 2);
        QTest::mouseMove(canvas(), to);
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, to);
    }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(canvas(), Qt::Key(k), modifiers); }
    QPoint lastCode() const { return toPx(tab().codeRect(lastVisibleCode(tab())).center()); }
    /// "Supprimer un objet" from the menu a right press on the last code opens, which
    /// takes the release.
    void deleteLastCodeFromItsMenu()
    {
        QTest::mousePress(canvas(), Qt::RightButton, {}, lastCode());
        m_fx.menu->editAction(Edition::SupprimerObjet)->trigger();
        m_fx.menu->editMenu()->close();
        QTest::mouseRelease(m_fx.menu.get(), Qt::RightButton);
    }

    static constexpr int kEdits = 23;
    // One edit of the run, chosen by its number.
    void edit(int n)
    {
        const int k = n / kEdits;
        switch (n % kEdits) {
        case 0: m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterTexte); break;
        case 1: dragFirstLabel(3 + k % 4, 2 + k % 3); break;
        case 2:
            clickFirstLabel();
            key(Qt::Key_Right);
            key(Qt::Key_Down, Qt::ShiftModifier);
            break;
        case 3:
            clickFirstLabel();
            test::typeInto(m_outils->contentField(), QStringLiteral("Texte %1").arg(n), true);
            break;
        case 4: m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterLogo); break;
        case 5:
            test::typeInto(m_outils->tabWidthField()->Text1(), QString::number(60 + n % 30), true);
            break;
        case 6:
            m_fx.dialogs->inputs.push_back(QStringLiteral("Onglet %1").arg(n));
            m_fx.menu->Mnu_ID_Projet_Click(Projet::RenommerOnglet);
            break;
        case 7:
            clickFirstLabel();
            m_fx.menu->Mnu_ID_Edition_Click(Edition::Copier);
            m_fx.menu->Mnu_ID_Edition_Click(Edition::Coller);
            break;
        case 8: {
            const int i = firstVisibleLabel(tab());
            m_fx.dialogs->inputs.push_back(QStringLiteral("Édité %1").arg(n));
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPointSize(8 + k % 5);
            font.setBold(k % 2 == 1);
            m_fx.dialogs->fonts.push_back(font);
            QTest::mouseDClick(canvas(), Qt::LeftButton, {}, toPx(tab().labelRect(i).center()));
            break;
        }
        case 9:
            clickFirstLabel();
            key(Qt::Key_Tab);
            key(Qt::Key_Delete);
            break;
        case 10:  // "Ajouter un nouvel onglet" through the wizard
            m_fx.menu->Mnu_ID_Projet_Click(Projet::AjouterOnglet);
            QTest::keyClicks(m_assist->Text1(), QStringLiteral("verso %1").arg(n));
            QTest::mouseClick(m_assist->Bouton2(0), Qt::LeftButton);
            break;
        case 11:  // "Supprimer un onglet", the one just added
            m_fx.dialogs->answers.push_back(Dialogs::Answer::Yes);
            m_fx.menu->Mnu_ID_Projet_Click(Projet::SupprimerOnglet);
            break;
        case 12:  // "Gras", "Italique", "Souligné" or "Barré"
            clickFirstLabel();
            QTest::mouseClick(m_outils->styleBox(k % 4), Qt::LeftButton);
            break;
        case 13:  // a plain colour, then a gradient, as the background
            m_outils->backgroundList()->setCurrentRow(1);
            m_fx.dialogs->colours.push_back(QColor(10 * k, 0, 255 - 10 * k));
            QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);
            if (k % 2 == 1) {
                m_outils->backgroundList()->setCurrentRow(3);
                QTest::mouseClick(m_outils->Degrade()->Option1(k % 8), Qt::LeftButton);
            }
            break;
        case 14:  // locking the objects, movable rulers, no border
            QTest::mouseClick(m_outils->preferenceBox(k % 3), Qt::LeftButton);
            break;
        case 15:
            clickFirstLabel();
            test::clickEntry(m_outils->alignmentList(), 2 + k % 3);
            break;
        case 16: m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterCode); break;
        case 17:  // below and right of the texts
            if (lastVisibleCode(tab()) > 0) {
                QTest::mousePress(canvas(), Qt::LeftButton, {}, lastCode());
                QTest::mouseMove(canvas(), lastCode() + toPx(QPointF(20, 14)));
                QTest::mouseMove(canvas(), lastCode() + toPx(QPointF(20, 14)));
                QTest::mouseRelease(canvas(), Qt::LeftButton, {}, lastCode());
            }
            break;
        case 18:  // its data, its width or a push, on the code selected
            if (lastVisibleCode(tab()) == 0)
                break;
            QTest::mouseClick(canvas(), Qt::LeftButton, {}, lastCode());
            if (k % 3 == 0) {
                m_outils->codeDataField()->setPlainText(QStringLiteral("Code %1").arg(n));
                QTest::mouseClick(m_outils->codeApplyButton(), Qt::LeftButton);
            } else if (k % 3 == 1) {
                test::typeInto(m_outils->codeWidthField()->Text1(), QString::number(15 + k), true);
            } else {
                key(Qt::Key_Up);
            }
            break;
        case 19:
            if (lastVisibleCode(tab()) > 0)
                deleteLastCodeFromItsMenu();
            break;
        case 20: m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterForme); break;
        case 21:  // a quarter turn from the menu, or an angle typed in the tool box
            clickFirstLabel();
            if (k % 2 == 0)
                m_fx.menu->Mnu_ID_Edition_Click(Edition::PivoterDroite);
            else
                m_outils->rotationField()->setValue(12.5 + k);
            break;
        case 22:  // the last shape's kind and line, or Suppr on it
            if (const int last = tab().objectCount(ObjectKind::Shape);
                last == 0 || !tab().object(ObjectKind::Shape, last)->visible())
                break;
            tab().objectClick(ObjectKind::Shape, tab().objectCount(ObjectKind::Shape));
            if (k % 2 == 0) {
                auto* shapes = m_outils->findChild<ShapePage*>();
                shapes->kindList()->setCurrentIndex(1 + k % 2);
                shapes->lineWidthField()->setValue(0.2 + k / 10.0);
            } else {
                key(Qt::Key_Delete);
            }
            break;
        default: break;
        }
        settle();
    }

private Q_SLOTS:

    void init()
    {
        m_fx.app.ObjetActif = 0;
        m_fx.start();
        m_outils = &m_fx.startToolBox();
        m_assist = &m_fx.startWizard();
        m_w = m_fx.open();
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        settle();
    }
    void cleanup() { m_fx.stop(); }

    void everyEditUndoesToTheRecordsItStartedFromAndRedoesToTheEnd()
    {
        QStringList before{records()};
        for (int n = 0; n < 100; ++n) {
            edit(n);
            if (records() != before.last())
                before << records();
        }
        QVERIFY2(before.size() > 80, qPrintable(QString::number(before.size())));
        QUndoStack& steps = m_w->history().stack();
        QCOMPARE(steps.count(), before.size() - 1);  // one step per edit that changed something

        for (qsizetype i = before.size() - 2; i >= 0; --i) {
            m_fx.menu->undoCommands().undoAction()->trigger();
            QCOMPARE(records(), before.at(i));
        }
        QVERIFY(!m_fx.menu->undoCommands().undoAction()->isEnabled());
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple"));

        for (qsizetype i = 1; i < before.size(); ++i) {
            m_fx.menu->undoCommands().redoAction()->trigger();
            QCOMPARE(records(), before.at(i));
        }
        QVERIFY(!m_fx.menu->undoCommands().redoAction()->isEnabled());
    }

    void anObjectDeletedFromItsContextMenuIsAStepMarkedAndSaved_data()
    {
        QTest::addColumn<int>("adding");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("page");  // the tool box's page the new object opens, if any
        QTest::newRow("texte") << int(Edition::AjouterTexte) << QByteArray("\nLABEL|") << 0;
        QTest::newRow("logo") << int(Edition::AjouterLogo) << QByteArray("\nLOGO|") << 0;
        QTest::newRow("code") << int(Edition::AjouterCode) << QByteArray("\nCODE|") << 7;
        QTest::newRow("forme") << int(Edition::AjouterForme) << QByteArray("\nFIGURE|") << 8;
    }

    void anObjectDeletedFromItsContextMenuIsAStepMarkedAndSaved()
    {
        QFETCH(int, adding);
        QFETCH(QByteArray, record);
        QFETCH(int, page);
        m_fx.menu->Mnu_ID_Edition_Click(Edition(adding));
        if (page)
            QCOMPARE(m_outils->selectedPage(), page);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterTexte);
        settle();
        m_w->history().undo();
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        const ObjectKind kind = tab().selected()->kind();  // the object added first, selected again
        const int slot = tab().selected()->slot();
        const qsizetype saved = test::readBytes(m_w->filePath()).count(record);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple"));
        // A right press on the object, as the canvas hands it in, opens the "Edition" menu.
        tab().objectPress(kind, slot, 2, 0, 1, 1);
        m_fx.menu->editAction(Edition::SupprimerObjet)->trigger();
        m_fx.menu->editMenu()->close();
        settle();
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple*"));
        QUndoStack& steps = m_w->history().stack();
        QVERIFY(!steps.canRedo());  // the text's addition is no longer there to redo
        QCOMPARE(steps.undoText(), QStringLiteral("la suppression de l'objet"));
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QCOMPARE(test::readBytes(m_w->filePath()).count(record), saved - 1);
        m_fx.menu->undoCommands().undoAction()->trigger();
        const TabObject* back = tab().selected();  // back, and selected
        QVERIFY(back && back->kind() == kind && back->visible());
    }

    void undoingTheObjectBeingDraggedEndsTheDrag()
    {
        for (int n = 0; n < 2; ++n) {
            m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterTexte);
            settle();
        }
        const QString before = records();
        Etiquette& t = tab();
        const int added = t.labelCount();
        const QPoint from = toPx(t.labelRect(added).center());
        QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
        // Ctrl+Z with the button still down, twice: the text pressed goes with its slot.
        m_fx.menu->undoCommands().undoAction()->trigger();
        m_fx.menu->undoCommands().undoAction()->trigger();
        QVERIFY(t.labelCount() < added);
        QTest::mouseMove(canvas(), from + QPoint(20, 20));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, from + QPoint(20, 20));
        settle();
        QCOMPARE(records().toLatin1(), test::kExampleProject);
        m_fx.menu->undoCommands().redoAction()->trigger();
        m_fx.menu->undoCommands().redoAction()->trigger();
        QCOMPARE(records(), before);
    }

    void twoHundredStepsAreKept()
    {
        clickFirstLabel();
        settle();
        QStringList before{records()};
        for (int n = 0; n < 240; ++n) {
            key(n % 2 == 0 ? Qt::Key_Right : Qt::Key_Down);
            settle();
            before << records();
        }
        QUndoStack& steps = m_w->history().stack();
        QCOMPARE(steps.count(), 240);
        for (int n = 239; n >= 40; --n) {
            steps.undo();
            QCOMPARE(records(), before.at(n));
        }
        QCOMPARE(tab().label(firstVisibleLabel(tab())).Left, 5.0f + 20);
    }

    void undoRestoresTheSelectionAndTheToolBox()
    {
        clickFirstLabel();
        settle();
        key(Qt::Key_Right);
        settle();
        tab().backgroundClick();
        settle();
        m_w->history().undo();
        QCOMPARE(tab().LabelFocus(), std::int16_t(firstVisibleLabel(tab())));
        QCOMPARE(m_fx.app.ObjetActif, tab().LabelFocus());
        QCOMPARE(m_outils->contentField()->text(), QStringLiteral("ZONE DE TEXTE"));
        QCOMPARE(tab().label(tab().LabelFocus()).Left, 5.0f);
    }

    void menuEntriesAndToolbarButtonsNameTheStep()
    {
        QMenu* menu = m_fx.menu->editMenu();
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Annuler"));
        QCOMPARE(actions.at(1)->text(), QStringLiteral("Rétablir"));
        QVERIFY(actions.at(2)->isSeparator());
        QVERIFY(actions.at(0)->shortcuts().contains(QKeySequence(QKeySequence::Undo)));
        QVERIFY(actions.at(1)->shortcuts().contains(QKeySequence(QKeySequence::Redo)));
        QVERIFY(actions.at(1)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QVERIFY(!actions.at(0)->isEnabled());
        QVERIFY(!actions.at(1)->isEnabled());
        ucToolbar* bar = m_w->toolbar();
        QCOMPARE(bar->ButtonCaption(kUndoButton), QStringLiteral("Annuler"));
        QCOMPARE(bar->ButtonCaption(kRedoButton), QStringLiteral("Rétablir"));
        QVERIFY(!bar->ButtonEnabled(kUndoButton));

        dragFirstLabel(10, 4);
        settle();
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Annuler le déplacement"));
        QVERIFY(bar->ButtonEnabled(kUndoButton));
        QCOMPARE(bar->ButtonTipText(kUndoButton), QStringLiteral("Annuler le déplacement"));
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple*"));

        clickFirstLabel();
        key(Qt::Key_Delete);
        settle();
        QCOMPARE(firstVisibleLabel(tab()), 0);
        bar->buttonWidget(kUndoButton)->click();
        QCOMPARE(actions.at(1)->text(), QStringLiteral("Rétablir la suppression de l'objet"));
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Annuler le déplacement"));
        QVERIFY(firstVisibleLabel(tab()) > 0);
        m_fx.menu->undoCommands().undoAction()->trigger();
        QCOMPARE(records().toLatin1(), test::kExampleProject);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple"));  // back where it was opened
        QVERIFY(bar->ButtonEnabled(kRedoButton));
    }

    void commandsFromKeysThePaneAndTheToolbarAreOneStepEach()
    {
        m_fx.menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fx.menu.get()));
        QUndoStack& steps = m_w->history().stack();
        const auto press = [this](QKeySequence::StandardKey k) {
            QTest::keySequence(canvas(), QKeySequence(k));
            settle();
        };
        clickFirstLabel();
        press(QKeySequence::Cut);
        QCOMPARE(firstVisibleLabel(tab()), 0);
        QCOMPARE(m_fx.app.ObjectClipboard.section('|', 0, 0), QStringLiteral("LABEL"));
        press(QKeySequence::Paste);
        QCOMPARE(tab().label(firstVisibleLabel(tab())).Left, 10.0f);
        QCOMPARE(steps.count(), 2);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple*"));
        press(QKeySequence::Undo);
        press(QKeySequence::Undo);
        QCOMPARE(records().toLatin1(), test::kExampleProject);
        press(QKeySequence::Redo);
        QCOMPARE(firstVisibleLabel(tab()), 0);
        press(QKeySequence::Undo);

        // Suppr deletes only from the canvas: on the tab strip the selection stays.
        clickFirstLabel();
        QTest::keyClick(m_w->tabStrip(), Qt::Key_Delete);
        settle();
        QVERIFY(firstVisibleLabel(tab()) > 0);
        press(QKeySequence::Delete);
        QCOMPARE(firstVisibleLabel(tab()), 0);
        QCOMPARE(steps.count(), 1);  // the steps undone above are gone
        QCOMPARE(steps.undoText(), QStringLiteral("la suppression de l'objet"));

        // The task pane's "Ajouter un objet texte", then the toolbar's "Code-barres".
        Q_EMIT buildTaskPane(*m_fx.menu)->ClickLabel(5);
        settle();
        QCOMPARE(steps.count(), 2);
        Q_EMIT m_w->toolbar()->ButtonClick(20);
        settle();
        QCOMPARE(steps.count(), 3);
        QCOMPARE(tab().CodeFocus(), std::int16_t(1));
        press(QKeySequence::Undo);
        QCOMPARE(lastVisibleCode(tab()), 0);

        // A button shows its command's state.
        QAction* save = m_fx.menu->commands().action(Fichier::Enregistrer);
        save->setEnabled(false);
        QVERIFY(!m_w->toolbar()->ButtonEnabled(3));
        save->setEnabled(true);
        QVERIFY(m_w->toolbar()->ButtonEnabled(3));
    }

    void typingInOneFieldIsOneStepPerVisit()
    {
        clickFirstLabel();
        settle();
        auto* field = m_outils->contentField();
        field->setFocus();
        for (const QChar c : QStringLiteral("abc")) {
            QTest::keyClick(field, c.toLatin1());
            settle();
        }
        canvas()->setFocus();
        settle();
        QCOMPARE(tab().label(firstVisibleLabel(tab())).Caption, QStringLiteral("ZONE DE TEXTEabc"));
        QCOMPARE(m_w->history().stack().count(), 1);
        QCOMPARE(m_w->history().stack().undoText(), QStringLiteral("la modification de l'objet"));
    }

    void savingClearsTheMarkAndClosingStillAsks()
    {
        m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterTexte);
        settle();
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple*"));
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple"));
        QCOMPARE(m_w->caption(), QStringLiteral("Exemple"));
        m_w->history().undo();
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple*"));

        m_fx.dialogs->answers.push_back(Dialogs::Answer::Cancel);
        m_fx.dialogs->shown.clear();
        QVERIFY(!m_w->close());
        QCOMPARE(m_fx.dialogs->shown.at(0).title, QStringLiteral("Enregistrez - [Exemple] ?"));
    }

    void keysMoveSelectAndDelete()
    {
        Etiquette& t = tab();
        clickFirstLabel();
        const int label = t.LabelFocus();
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Down, Qt::ShiftModifier);
        key(Qt::Key_Up);
        QCOMPARE(t.label(label).Left, 7.0f);
        QCOMPARE(t.label(label).Top, 9.0f);
        key(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(t.label(label).Left, 2.0f);

        t.setCadenas(true);  // a locked tab keeps its objects where they are
        key(Qt::Key_Right);
        QCOMPARE(t.label(label).Left, 2.0f);
        t.setCadenas(false);

        key(Qt::Key_Escape);
        QCOMPARE(t.LabelFocus(), std::int16_t(-1));
        QVERIFY(!t.frame().visible);

        m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterLogo);  // a logo and a code after the text
        m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterCode);
        t.backgroundClick();
        key(Qt::Key_Tab);
        QCOMPARE(t.LabelFocus(), std::int16_t(label));
        key(Qt::Key_Tab);
        QVERIFY(t.LogoFocus() > 0);
        QCOMPARE(t.LabelFocus(), std::int16_t(-1));
        key(Qt::Key_Tab);
        QCOMPARE(t.CodeFocus(), std::int16_t(1));
        key(Qt::Key_Down);
        QCOMPARE(t.code(1).Top, 6.0);
        key(Qt::Key_Tab);
        QCOMPARE(t.LabelFocus(), std::int16_t(label));
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(t.CodeFocus(), std::int16_t(1));
        key(Qt::Key_Delete);
        QCOMPARE(t.RecupererObjet(Etiquette::kCodeRecords), QString());
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(t.LogoFocus() > 0);

        key(Qt::Key_Delete);
        QVERIFY(!t.logo(t.logoCount()).Visible);
        QCOMPARE(t.RecupererObjet(3), QString());
        QVERIFY(!m_fx.menu->editAction(Edition::SupprimerObjet)->isEnabled());
    }
};

PLK_TEST_CLASS(TestUndoRedo)
#include "tst_UndoRedo.moc"

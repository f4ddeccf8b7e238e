#include "print/ui/frmPrint.h"

#include "base/core/AppState.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/TabData.h"
#include "catalogue/core/ProductLayout.h"
#include "catalogue/ui/ProductChooser.h"
#include "print/core/PaperPage.h"
#include "print/core/PrintJob.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/JobDesigns.h"
#include "print/ui/PrintExtras.h"
#include "print/ui/PrinterOutput.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/ReadingOrder.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/frmProjet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace plk {

namespace {

TxtBox* numericField(QWidget* parent, int low, int high, int length, int designValue)
{
    auto* box = new TxtBox(parent);
    box->setMin(low);
    box->setMax(high);
    box->setMaxLength(length);
    box->setValue(designValue);
    box->setText(QString::number(box->Value()));
    return box;
}

/// Puts a number in a field; the field keeps it within its range.
void setField(TxtBox* box, int value)
{
    box->setValue(value);
    box->setText(QString::number(box->Value()));
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QLabel* fieldLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

frmPrint::frmPrint(PrintCommands& commands, QWidget* parent)
    : QDialog(parent),
      m_commands(commands),
      m_header(new HeaderPlus(this)),
      m_printers(new QComboBox(this)),
      m_refresh(new QPushButton(QStringLiteral("Actualiser"), this)),
      m_calibrate(new QPushButton(QStringLiteral("Étalonner l'imprimante..."), this)),
      m_designs(new QPushButton(QStringLiteral("Modèles et verso..."), this)),
      m_quality(new QComboBox(this)),
      m_margeH(numericField(this, 0, kMaxMargin, 2, 0)),
      m_margeG(numericField(this, 0, kMaxMargin, 2, 0)),
      m_nbrP(numericField(this, 1, kMaxSheets, 2, 1)),
      m_posX(numericField(this, 0, kMaxPosition, 3, 10)),
      m_posY(numericField(this, 0, kMaxPosition, 3, 10)),
      m_sepH(numericField(this, 0, kMaxPosition, 3, 10)),
      m_sepV(numericField(this, 0, kMaxPosition, 3, 10)),
      m_nbrH(numericField(this, 1, kMaxAcross, 2, 1)),
      m_nbrV(numericField(this, 1, kMaxDown, 2, 1)),
      m_extras(new PrintExtras(this))
{
    setWindowTitle(QStringLiteral("Imprimer"));
    m_header->setCaption1(QStringLiteral("Imprimer le projet"));
    m_header->setCaption2(QStringLiteral("Gérez la mise en page et l'impression de votre projet"));
    m_header->setPicture(QIcon(QStringLiteral(":/icons/toolbar/imprimer.svg")).pixmap(96, 96));
    m_printers->setObjectName(QStringLiteral("Combo1"));
    m_printers->setMinimumWidth(260);
    m_printers->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_quality->setObjectName(QStringLiteral("RS"));
    for (const PrintQuality& q : printQualities())
        m_quality->addItem(q.text);
    m_quality->setCurrentIndex(1);

    static const char* const kButtons[4] = {"Aperçu", "Imprimer", "Retour", "Aide"};
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QPushButton(QString::fromUtf8(kButtons[i]), this);
        m_buttons[i]->setAutoDefault(false);
    }
    m_buttons[1]->setDefault(true);

    connect(m_printers, &QComboBox::currentIndexChanged, this, &frmPrint::printerSelected);
    connect(m_quality, &QComboBox::currentIndexChanged, this, &frmPrint::qualitySelected);
    connect(m_refresh, &QPushButton::clicked, this, [this] {
        FillPrinterList(m_printers);
        // A printer that went away leaves another entry selected: that one is the tab's now.
        if (m_tab && m_printers->currentText() != m_tab->PrinterName())
            printerSelected();
    });
    for (TxtBox* field : {m_posX, m_posY, m_sepH, m_sepV, m_nbrH, m_nbrV})
        connect(field, &TxtBox::Change, this, &frmPrint::showSheetCount);
    connect(m_calibrate, &QPushButton::clicked, this, [this] { m_commands.calibrate(); });
    connect(m_designs, &QPushButton::clicked, this, [this] { m_commands.editDesigns(); });
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { m_commands.ShowPrintPreview(false); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { m_commands.ConfirmAndPrint(); });
    connect(m_buttons[2], &QPushButton::clicked, this, &frmPrint::close);
    connect(m_buttons[3], &QPushButton::clicked, this, [this] {
        m_commands.menu().showHelp(windowTitle());
    });

    // One grid for both sections, so that their fields line up: an indent, then
    // two label-and-field pairs a row.
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnMinimumWidth(3, 16);
    grid->setColumnStretch(6, 1);
    grid->setVerticalSpacing(8);
    const auto pair = [this, grid](int row, int column, const char* label, QWidget* field) {
        grid->addWidget(fieldLabel(QString::fromUtf8(label), field, this), row, column);
        grid->addWidget(field, row, column + 1);
    };
    grid->addWidget(heading(QStringLiteral("Propriétés de l'impression :"), this), 0, 0, 1, 7);
    grid->addWidget(fieldLabel(QStringLiteral("Imprimante par défaut :"), m_printers, this), 1, 1);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(m_printers, 1);
    printerRow->addWidget(m_refresh);
    grid->addLayout(printerRow, 1, 2, 1, 5);
    pair(2, 1, "Marge Haut :", m_margeH);
    pair(2, 4, "Marge Gauche :", m_margeG);
    pair(3, 1, "Résolution :", m_quality);
    pair(3, 4, "Page(s) :", m_nbrP);
    grid->setRowMinimumHeight(4, 6);
    grid->addWidget(heading(QStringLiteral("Mise en page du projet :"), this), 5, 0, 1, 7);
    pair(6, 1, "Position X :", m_posX);
    pair(6, 4, "Position Y :", m_posY);
    pair(7, 1, "Espace H :", m_sepH);
    pair(7, 4, "Espace V :", m_sepV);
    grid->addWidget(new QLabel(QStringLiteral("Quantité sur une page :"), this), 8, 1, 1, 5);
    pair(9, 1, "Horizontal :", m_nbrH);
    pair(9, 4, "Vertical :", m_nbrV);
    grid->setRowMinimumHeight(10, 6);
    grid->addWidget(heading(QStringLiteral("Papier et options :"), this), 11, 0, 1, 7);
    grid->addWidget(m_extras, 12, 0, 1, 7);
    // Stored at once, so that "Aperçu" and "Imprimer" see them as the fields show them.
    connect(m_extras, &PrintExtras::edited, this, [this] {
        if (m_tab)
            m_tab->setPrint(m_extras->stored(m_tab->print()));
    });
    connect(m_extras->productButton(), &QPushButton::clicked, this, [this] { productChooser()->open(); });
    // Beyond the sheet's one design: the printer's calibration, other designs, the back.
    auto* more = new QHBoxLayout;
    more->addWidget(m_calibrate);
    more->addWidget(m_designs);
    more->addStretch(1);
    grid->addLayout(more, 13, 1, 1, 6);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_buttons[0]);
    buttons->addWidget(m_buttons[1]);
    buttons->addStretch(1);
    buttons->addWidget(m_buttons[2]);
    buttons->addWidget(m_buttons[3]);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 12);
    body->setSpacing(8);
    body->addLayout(grid);
    body->addSpacing(4);
    body->addWidget(new Line3D(this));
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addLayout(body);
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
    ReadingOrder::follow(this);
}

void frmPrint::FillPrinterList(QComboBox* list)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(m_commands.printers().printerNames());
    list->addItem(kPdfFileEntry);
    const int current = list->findText(m_commands.currentPrinter);
    if (current >= 0)
        list->setCurrentIndex(current);
}

void frmPrint::ReadPrinterMargins(TxtBox* left, TxtBox* top, QPrinter& printer)
{
    const QPoint margins = printerMargins(printer, m_tab ? paperOf(m_tab->print()) : Paper{QStringLiteral("A4")});
    setField(left, margins.x());
    setField(top, margins.y());
}

void frmPrint::printerSelected()
{
    if (!m_tab)
        return;
    const QString name = m_printers->currentText();
    const std::unique_ptr<QPrinter> printer = printerForEntry(m_commands.printers(), name);
    if (!printer)
        return;  // no longer installed
    m_tab->setPrinterName(name);
    m_commands.currentPrinter = name;
    ReadPrinterMargins(m_margeG, m_margeH, *printer);
}

void frmPrint::qualitySelected()
{
    const int index = m_quality->currentIndex();
    if (m_tab && index >= 0 && index < int(printQualities().size()))
        m_tab->setResolution(printQualities()[std::size_t(index)].code);
}

void frmPrint::centreOverMainWindow()
{
    const QRect main = m_commands.menu().mainWidget()->geometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
}

void frmPrint::Load()
{
    if (m_tab)
        return;
    frmProjet* window = m_commands.project();
    if (!window)
        return;
    const int tab = window->selectedTab();
    m_tab = &window->surface(tab);
    setWindowTitle(QStringLiteral("Imprimer - [") + window->caption() + QStringLiteral("]"));
    m_header->setCaption1(QStringLiteral("Imprimer l'onglet : ") + window->project().tabCaption(tab));
    m_buttons[0]->setEnabled(true);
    centreOverMainWindow();

    FillPrinterList(m_printers);
    {
        const QSignalBlocker block(m_quality);
        m_quality->setCurrentIndex(1);
    }
    qualitySelected();
    ToolBoxLink* toolBox = m_commands.menu().toolBox();
    m_hidToolBox = m_commands.menu().app().BoiteVisible && toolBox;
    if (m_hidToolBox)
        toolBox->hideToolBox();

    // The margins load after the printer, so the stored ones win over its own.
    const PrintSettings& s = m_tab->print();
    {
        const QSignalBlocker block(m_printers);
        if (s.ImpDefaut >= 0 && s.ImpDefaut < m_printers->count())
            m_printers->setCurrentIndex(s.ImpDefaut);
    }
    printerSelected();
    setField(m_margeG, s.ImpMargeG);
    setField(m_margeH, s.ImpMargeH);
    {
        const QSignalBlocker block(m_quality);
        if (s.ImpResol >= 0 && s.ImpResol < m_quality->count())
            m_quality->setCurrentIndex(s.ImpResol);
    }
    qualitySelected();
    m_storedSheets = s.ImpNbrP == 0 ? 1 : s.ImpNbrP;
    setField(m_nbrP, m_storedSheets);
    m_rowsDecide = false;
    m_table = quietRows(*window, *m_tab);
    m_designLookup = quietDesigns(*window, *m_tab, m_table);
    m_watch = connect(m_tab, &Etiquette::changed, this, [this](Etiquette::Changes what) {
        if (what.testFlag(Etiquette::Change::Print))
            showSheetCount();
    });
    showLayout(s);
}

void frmPrint::showLayout(const PrintSettings& s)
{
    setField(m_posX, s.ImpPosX);
    setField(m_posY, s.ImpPosY);
    setField(m_sepH, s.ImpSepH);
    setField(m_sepV, s.ImpSepV);
    setField(m_nbrH, s.ImpNbrH == 0 ? 1 : s.ImpNbrH);
    setField(m_nbrV, s.ImpNbrV == 0 ? 1 : s.ImpNbrV);
    m_extras->load(s);
    showSheetCount();
}

ProductChooser* frmPrint::productChooser()
{
    if (!m_chooser) {
        m_chooser = new ProductChooser(Catalogue::defaultFolders(m_commands.menu().paths().programFolder()), this);
        connect(m_chooser, &ProductChooser::productChosen, this, &frmPrint::takeProduct);
    }
    return m_chooser;
}

void frmPrint::takeProduct(const Product& product)
{
    if (!m_tab)
        return;
    useProduct(*m_tab, product);
    showLayout(m_tab->print());
}

void frmPrint::showSheetCount()
{
    if (!m_tab)
        return;
    // With data files the rows make the sheets (those of the other designs on the
    // sheet too); the count typed stays for printing without them.
    const std::optional<int> sheets = sheetsOfRows(*m_tab, currentValues(), m_table.get(), m_designLookup);
    const bool decided = m_rowsDecide;
    m_rowsDecide = sheets || m_tab->mergeSettings().active();
    m_nbrP->setEnabled(!m_rowsDecide);
    m_nbrP->setToolTip(m_rowsDecide ? QStringLiteral("Le nombre de planches suit les lignes du fichier de données.")
                                    : QString());
    // Hundreds of sheets take more digits than a count typed by hand.
    m_nbrP->setMaxLength(sheets ? 6 : 2);
    if (sheets)
        m_nbrP->setText(QString::number(*sheets));
    else if (decided && !m_rowsDecide)
        setField(m_nbrP, m_storedSheets);
}

void frmPrint::Unload()
{
    if (!m_tab)
        return;
    TxtBox::settleAll(this);
    disconnect(m_watch);
    // The sheet's exact grid, what the added fields hold, other designs and the back
    // stay with the tab.
    PrintSettings s = m_extras->stored(m_tab->print());
    s.ImpDefaut = std::int16_t(m_printers->currentIndex());
    s.ImpMargeG = std::int16_t(m_margeG->Value());
    s.ImpMargeH = std::int16_t(m_margeH->Value());
    s.ImpResol = std::int16_t(m_quality->currentIndex());
    s.ImpNbrP = std::int16_t(m_rowsDecide ? m_storedSheets : m_nbrP->Value());
    s.ImpPosX = std::int16_t(m_posX->Value());
    s.ImpPosY = std::int16_t(m_posY->Value());
    s.ImpSepH = std::int16_t(m_sepH->Value());
    s.ImpSepV = std::int16_t(m_sepV->Value());
    s.ImpNbrH = std::int16_t(m_nbrH->Value());
    s.ImpNbrV = std::int16_t(m_nbrV->Value());
    m_tab->setPrint(s);
    m_tab = nullptr;
    if (m_hidToolBox) {
        m_hidToolBox = false;
        if (ToolBoxLink* toolBox = m_commands.menu().toolBox())
            toolBox->showToolBox();
    }
}

void frmPrint::showModal()
{
    Load();
    if (!m_tab)
        return;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void frmPrint::done(int result)
{
    Unload();
    QDialog::done(result);
}

LayoutValues frmPrint::fieldValues() const
{
    TxtBox::settleAll(this);
    return currentValues();
}

LayoutValues frmPrint::currentValues() const
{
    const auto v = [](const TxtBox* box) { return std::int16_t(box->Value()); };
    return {v(m_posX), v(m_posY), v(m_sepH), v(m_sepV), v(m_nbrH), v(m_nbrV), v(m_nbrP), v(m_margeG), v(m_margeH)};
}

}  // namespace plk

#include "windows/ui/DataPage.h"

#include "canvas/core/Etiquette.h"
#include "merge/core/BuiltInMarkers.h"
#include "merge/core/DataFile.h"
#include "merge/core/MergeSettings.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/FormParts.h"
#include "windows/ui/MergeOptionsBox.h"
#include "windows/ui/TabFollower.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace plk {

DataPage::DataPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs),
      m_file(new QLineEdit),
      m_summary(new QLabel),
      m_fields(new QListWidget),
      m_firstLabel(new QSpinBox),
      m_row(new QLabel)
{
    QVBoxLayout* layout = pageLayout(this);

    QGroupBox* file = addGroup(layout, QStringLiteral("Fichier de données :"));
    m_file->setReadOnly(true);
    contents(file)->addWidget(m_file);
    auto* buttons = new QHBoxLayout;
    contents(file)->addLayout(buttons);
    m_choose = addButton(buttons, QStringLiteral("Choisir..."), QStringLiteral("Choisir le fichier de données (CSV ou vCard)"));
    m_remove = addButton(buttons, QStringLiteral("Retirer"), QStringLiteral("Ne plus relier l'onglet à ce fichier"));
    m_summary->setWordWrap(true);
    contents(file)->addWidget(m_summary);

    QGroupBox* fields = addGroup(layout, QStringLiteral("Champs :"));
    m_fields->setMinimumHeight(70);
    m_fields->setMaximumHeight(110);
    contents(fields)->addWidget(m_fields);
    m_insert = addButton(contents(fields), QStringLiteral("Insérer dans le texte"),
                         QStringLiteral("Insérer le champ au curseur du texte sélectionné"));

    QGridLayout* print = addGrid(addGroup(layout, QStringLiteral("Impression :")));
    print->addWidget(new QLabel(QStringLiteral("Commencer à l'étiquette n°")), 0, 0);
    m_firstLabel->setRange(1, 1);
    print->addWidget(m_firstLabel, 0, 1);
    // The counter, dates and copies open below on demand: the tool box keeps its height.
    m_options = new MergeOptionsBox(dialogs);
    m_options->setVisible(false);
    auto* more = new QToolButton;
    more->setText(QStringLiteral("N°, date..."));
    more->setToolTip(QStringLiteral("Compteur «N°», formats de «Date» et «Heure», exemplaires par ligne"));
    more->setCheckable(true);
    print->addWidget(more, 0, 2);
    connect(more, &QToolButton::toggled, m_options, &QWidget::setVisible);
    layout->addWidget(m_options);

    QGroupBox* rows = addGroup(layout, QStringLiteral("Ligne affichée :"));
    auto* moves = new QHBoxLayout;
    contents(rows)->addLayout(moves);
    static const char* const kMoves[4][2] = {
        {"|<", "Première ligne"}, {"<", "Ligne précédente"}, {">", "Ligne suivante"}, {">|", "Dernière ligne"}};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton;
        button->setText(QString::fromUtf8(kMoves[i][0]));
        button->setToolTip(QString::fromUtf8(kMoves[i][1]));
        moves->addWidget(button);
        m_moves[std::size_t(i)] = button;
        connect(button, &QToolButton::clicked, this, [this, i] { moveRow(RowMove(i)); });
    }
    m_row->setAlignment(Qt::AlignCenter);
    moves->insertWidget(2, m_row, 1);
    layout->addStretch(1);

    connect(m_choose, &QPushButton::clicked, this, &DataPage::chooseFile);
    connect(m_remove, &QPushButton::clicked, this, &DataPage::removeFile);
    connect(m_insert, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem* item = m_fields->currentItem())
            Q_EMIT insertField(QStringLiteral("«") + item->text() + QStringLiteral("»"));
    });
    connect(m_fields, &QListWidget::itemDoubleClicked, m_insert, &QPushButton::click);
    connect(m_fields, &QListWidget::currentRowChanged, this, &DataPage::refresh);
    connect(m_firstLabel, &QSpinBox::valueChanged, this, &DataPage::firstLabelChanged);
    showTab(nullptr, QString());
}

DataPage::~DataPage() = default;

void DataPage::showTab(Etiquette* tab, const QString& projectFolder, std::optional<LinkedFileAnswers> answers)
{
    using C = Etiquette::Change;
    followTab(this, m_tab, tab, C::Print | C::Settings | C::Selection, [this] { refresh(); });
    m_folder = projectFolder;
    m_answers = std::move(answers);
    m_tableFile.clear();  // the answers may be others now
    refresh();
}

void DataPage::readTable()
{
    const QString path = m_tab ? m_tab->mergeSettings().dataFile : QString();
    if (path == m_tableFile)
        return;
    m_tableFile = path;
    m_table.reset();
    m_error.clear();
    if (path.isEmpty())
        return;
    if (m_tab->mergeSettings().needsConsent && !(m_answers && m_answers->answer(path) == true)) {
        m_error = QStringLiteral("Fichier hors du dossier du projet : il ne sera lu qu'avec votre accord, demandé "
                                 "au premier aperçu, à la première impression ou exportation.");
        return;
    }
    DataFileResult read = readDataFile(path);
    if (read.ok())
        m_table = std::make_shared<const DataTable>(std::move(read.table));
    m_error = read.ok() ? read.warning : read.error;
}

void DataPage::refresh()
{
    const QScopedValueRollback filling(m_filling, true);
    readTable();
    const bool active = m_tab && m_tab->mergeSettings().active();
    m_choose->setEnabled(m_tab != nullptr);
    m_remove->setEnabled(active);
    m_file->setText(active ? QFileInfo(m_tab->mergeSettings().dataFile).fileName() : QString());
    m_file->setToolTip(active ? m_tab->mergeSettings().dataFile : QString());

    const QStringList fields = m_table ? m_table->fields() : QStringList();
    const int rows = m_table ? m_table->rowCount() : 0;
    if (!active)
        m_summary->setText(QStringLiteral("Aucun fichier : chaque étiquette est identique."));
    else if (!m_table)
        m_summary->setText(m_error);
    else
        m_summary->setText(QStringLiteral("%1 champ%2, %3 ligne%4")
                               .arg(fields.size())
                               .arg(fields.size() > 1 ? "s" : "")
                               .arg(rows)
                               .arg(rows > 1 ? "s" : "") +
                           (m_error.isEmpty() ? QString() : QStringLiteral("\n") + m_error));
    // The counter and the dates go into texts with or without a data file.
    const QStringList markers = fields + builtInMarkers();
    QStringList listed;
    for (int i = 0; i < m_fields->count(); ++i)
        listed << m_fields->item(i)->text();
    if (listed != markers) {
        m_fields->clear();
        m_fields->addItems(markers);
    }
    m_options->showTab(m_tab, fields);
    const bool textSelected = m_tab && m_tab->LabelFocus() > 0;
    m_insert->setEnabled(textSelected && m_fields->currentItem() != nullptr);

    const PrintSettings& print = m_tab ? m_tab->print() : PrintSettings();
    int gridLabels = 0;  // a maker's sheet of several grids: every one of its labels
    for (const LabelGrid& g : print.grids)
        gridLabels += g.across * g.down;
    const int perSheet = std::max(std::max(1, int(print.ImpNbrH)) * std::max(1, int(print.ImpNbrV)), gridLabels);
    m_firstLabel->setEnabled(active);
    m_firstLabel->setRange(1, std::max<int>(perSheet, active ? m_tab->mergeSettings().firstLabel : 1));
    m_firstLabel->setValue(active ? m_tab->mergeSettings().firstLabel : 1);

    const int row = m_tab ? std::clamp(m_tab->dataRow(), 0, std::max(0, rows - 1)) : 0;
    m_row->setText(rows > 0 ? QStringLiteral("Ligne %1 sur %2").arg(row + 1).arg(rows) : QString());
    for (int i = 0; i < 4; ++i)
        m_moves[std::size_t(i)]->setEnabled(rows > 1);
    Q_EMIT fieldsShown(m_tab, fields);
}

void DataPage::chooseFile()
{
    if (!m_tab)
        return;
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Choisir le fichier de données");
    request.filters = {QStringLiteral("Données (*.csv *.txt *.vcf)"), QStringLiteral("Tous les fichiers (*)")};
    const QString current = m_tab->mergeSettings().dataFile;
    request.directory = current.isEmpty() ? m_folder : QFileInfo(current).absolutePath();
    const auto answer = m_dialogs.openFile(this, request);
    if (!answer || answer->path.isEmpty())
        return;
    if (!storablePath(answer->path)) {
        m_dialogs.message(this,
                          QStringLiteral("Le chemin « %1 » ne peut pas être enregistré dans le projet : renommez le "
                                         "fichier ou son dossier sans « | » ni caractère hors de l'alphabet latin.")
                              .arg(answer->path),
                          Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    const DataFileResult read = readDataFile(answer->path);
    if (!read.ok()) {
        m_dialogs.message(this, read.error, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    m_tableFile.clear();  // read again, even when it is the same file
    if (m_answers)  // chosen here: agreed, also when the project is opened again
        m_answers->remember(chosenDataFile(answer->path, m_folder).dataFile, true);
    m_tab->setDataRow(0);
    m_tab->setMergeSettings(chosenDataFile(answer->path, m_folder, m_tab->mergeSettings().firstLabel));
    refresh();
}

void DataPage::removeFile()
{
    if (m_tab)
        m_tab->setMergeSettings(MergeSettings());
}

void DataPage::firstLabelChanged(int label)
{
    if (m_filling || !m_tab || !m_tab->mergeSettings().active())
        return;
    MergeSettings settings = m_tab->mergeSettings();
    settings.firstLabel = std::int16_t(label);
    m_tab->setMergeSettings(settings);
}

void DataPage::moveRow(RowMove move)
{
    if (m_tab && m_table)
        m_tab->setDataRow(movedRow(m_tab->dataRow(), m_table->rowCount(), move));
}

}  // namespace plk

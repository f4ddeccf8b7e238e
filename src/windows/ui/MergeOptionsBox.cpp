#include "windows/ui/MergeOptionsBox.h"

#include "canvas/core/Etiquette.h"
#include "merge/core/MergeSettings.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/FormParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

namespace plk {

namespace {

QSpinBox* spinBox(int least, int most)
{
    auto* box = new QSpinBox;
    box->setRange(least, most);
    return box;
}

}  // namespace

MergeOptionsBox::MergeOptionsBox(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs),
      m_start(spinBox(0, int(CounterSettings::kMaxStart))),
      m_step(spinBox(1, CounterSettings::kMaxStep)),
      m_width(spinBox(0, CounterSettings::kMaxWidth)),
      m_perSheet(new QCheckBox(QStringLiteral("Par planche"))),
      m_carryOn(new QCheckBox(QStringLiteral("Continuer au tirage suivant"))),
      m_date(new QLineEdit),
      m_time(new QLineEdit),
      m_copies(new QComboBox)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QGridLayout* counter = addGrid(addGroup(layout, QStringLiteral("Compteur «N°» :")));
    counter->addWidget(new QLabel(QStringLiteral("Début")), 0, 0);
    counter->addWidget(m_start, 0, 1);
    counter->addWidget(new QLabel(QStringLiteral("Pas")), 0, 2);
    counter->addWidget(m_step, 0, 3);
    counter->addWidget(new QLabel(QStringLiteral("Chiffres")), 1, 0);
    counter->addWidget(m_width, 1, 1);
    counter->addWidget(m_perSheet, 1, 2, 1, 2);
    counter->addWidget(m_carryOn, 2, 0, 1, 4);

    QGridLayout* more = addGrid(addGroup(layout, QStringLiteral("«Date», «Heure» et exemplaires :")));
    m_date->setPlaceholderText(QStringLiteral("format régional"));
    m_date->setToolTip(QStringLiteral("Format de «Date», par exemple dd/MM/yyyy"));
    m_time->setPlaceholderText(QStringLiteral("format régional"));
    m_time->setToolTip(QStringLiteral("Format de «Heure», par exemple HH:mm"));
    m_copies->setToolTip(QStringLiteral("Champ donnant le nombre d'étiquettes de chaque ligne"));
    more->addWidget(new QLabel(QStringLiteral("Date")), 0, 0);
    more->addWidget(m_date, 0, 1);
    more->addWidget(new QLabel(QStringLiteral("Heure")), 1, 0);
    more->addWidget(m_time, 1, 1);
    more->addWidget(new QLabel(QStringLiteral("Exemplaires")), 2, 0);
    more->addWidget(m_copies, 2, 1);

    for (QSpinBox* box : {m_start, m_step, m_width})
        connect(box, &QSpinBox::valueChanged, this, &MergeOptionsBox::apply);
    for (QCheckBox* box : {m_perSheet, m_carryOn})
        connect(box, &QCheckBox::toggled, this, &MergeOptionsBox::apply);
    for (QLineEdit* field : {m_date, m_time})
        connect(field, &QLineEdit::editingFinished, this, &MergeOptionsBox::apply);
    connect(m_copies, &QComboBox::activated, this, &MergeOptionsBox::apply);
    showTab(nullptr, {});
}

void MergeOptionsBox::showTab(Etiquette* tab, const QStringList& fields)
{
    const QScopedValueRollback filling(m_filling, true);
    m_tab = tab;
    setEnabled(tab != nullptr);
    const MergeSettings settings = tab ? tab->mergeSettings() : MergeSettings();
    const CounterSettings& c = settings.counter;
    m_start->setValue(int(c.start));
    m_step->setValue(c.step);
    m_width->setValue(c.width);
    m_perSheet->setChecked(c.perSheet);
    m_carryOn->setChecked(c.carryOn);
    m_date->setText(settings.dateFormat);
    m_time->setText(settings.timeFormat);
    // A field named in the project that the file lacks stays shown, as chosen.
    QStringList choices;
    for (const QString& field : fields)
        if (storableText(field))
            choices.append(field);
    if (!settings.copiesField.isEmpty() && !choices.contains(settings.copiesField))
        choices.append(settings.copiesField);
    m_copies->clear();
    m_copies->addItem(QStringLiteral("une par ligne"));
    m_copies->addItems(choices);
    m_copies->setCurrentIndex(settings.copiesField.isEmpty() ? 0 : int(choices.indexOf(settings.copiesField)) + 1);
}

QString MergeOptionsBox::storable(QLineEdit* field, const QString& current)
{
    if (storableText(field->text()))
        return field->text();
    m_dialogs.message(this,
                      QStringLiteral("Le format « %1 » ne peut pas être enregistré dans le projet : il ne doit contenir "
                                     "ni « | » ni caractère hors de l'alphabet latin.")
                          .arg(field->text()),
                      Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    field->setText(current);
    return current;
}

void MergeOptionsBox::apply()
{
    if (m_filling || !m_tab)
        return;
    const QScopedValueRollback filling(m_filling, true);
    MergeSettings settings = m_tab->mergeSettings();
    CounterSettings& c = settings.counter;
    c.start = m_start->value();
    c.step = m_step->value();
    c.width = m_width->value();
    c.perSheet = m_perSheet->isChecked();
    c.carryOn = m_carryOn->isChecked();
    settings.dateFormat = storable(m_date, settings.dateFormat);
    settings.timeFormat = storable(m_time, settings.timeFormat);
    settings.copiesField = m_copies->currentIndex() > 0 ? m_copies->currentText() : QString();
    m_tab->setMergeSettings(settings);
}

}  // namespace plk

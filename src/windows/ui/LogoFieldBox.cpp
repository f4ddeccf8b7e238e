#include "windows/ui/LogoFieldBox.h"

#include "canvas/core/Etiquette.h"
#include "windows/ui/TabFollower.h"
#include "merge/core/MergeSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace plk {

LogoFieldBox::LogoFieldBox(QWidget* parent) : QWidget(parent), m_field(new QComboBox)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Image selon la colonne :"));
    caption->setBuddy(m_field);
    layout->addWidget(caption);
    layout->addWidget(m_field);
    m_field->setToolTip(QStringLiteral("Champ du fichier de données donnant le fichier image de chaque étiquette"));
    connect(m_field, &QComboBox::activated, this, &LogoFieldBox::choose);
    refresh();
}

void LogoFieldBox::showTab(Etiquette* tab, const QStringList& fields)
{
    // Undoing, a click on another object or another data file: the choice follows.
    using C = Etiquette::Change;
    followTab(this, m_tab, tab, C::Objects | C::Selection | C::Print, [this] { refresh(); });
    m_fields = fields;
    refresh();
}

void LogoFieldBox::refresh()
{
    const QScopedValueRollback filling(m_filling, true);
    const int logo = m_tab ? m_tab->LogoFocus() : 0;
    const bool chosen = m_tab && logo >= 1 && logo <= m_tab->logoCount();
    const QString current = chosen ? m_tab->logo(logo).pictureField : QString();
    // A field the file lacks (or one that cannot be stored) stays shown as it was chosen.
    QStringList choices;
    for (const QString& field : m_fields)
        if (storableText(field))
            choices.append(field);
    if (!current.isEmpty() && !choices.contains(current))
        choices.append(current);
    m_field->clear();
    m_field->addItem(QStringLiteral("(aucune)"));
    m_field->addItems(choices);
    m_field->setCurrentIndex(current.isEmpty() ? 0 : int(choices.indexOf(current)) + 1);
    setEnabled(chosen && m_tab->mergeSettings().active());
}

void LogoFieldBox::choose(int entry)
{
    if (m_filling || !m_tab)
        return;
    m_tab->setLogoPictureField(m_tab->LogoFocus(), entry > 0 ? m_field->itemText(entry) : QString());
}

}  // namespace plk

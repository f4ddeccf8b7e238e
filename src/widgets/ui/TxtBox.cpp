#include "widgets/ui/TxtBox.h"

#include "base/core/Twips.h"

#include <QEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

namespace plk {

namespace {

constexpr int kBarWidthPixels = 13;

}  // namespace

TxtBox::TxtBox(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_bar(new QScrollBar(Qt::Vertical, this))
{
    setFixedSize(twipsToPixels(QSize(kWidthTwips, kHeightTwips)));
    m_edit->setObjectName(QStringLiteral("Text1"));
    m_bar->setObjectName(QStringLiteral("VS1"));
    m_edit->setMaxLength(3);
    m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_edit));
    m_edit->installEventFilter(this);
    m_bar->setSingleStep(1);
    m_bar->setPageStep(1);
    m_bar->setFocusPolicy(Qt::NoFocus);
    applyRange();
    m_bar->setValue(1);
    connect(m_edit, &QLineEdit::textChanged, this, &TxtBox::textChanged);
    connect(m_bar, &QScrollBar::valueChanged, this, &TxtBox::barMoved);
}

QString TxtBox::Text() const { return m_edit->text(); }
void TxtBox::setText(const QString& text) { m_edit->setText(text); }

void TxtBox::setMin(int value)
{
    m_bottom = value;
    applyRange();
}

void TxtBox::setMax(int value)
{
    m_top = value;
    applyRange();
}

void TxtBox::loadRange(int storedMin, int storedMax)
{
    m_top = storedMin;
    m_bottom = storedMax;
    applyRange();
}

void TxtBox::applyRange()
{
    const int value = Value();
    const QSignalBlocker block(m_bar);
    m_bar->setRange(sign() * m_top, sign() * m_bottom);
    m_bar->setValue(sign() * value);
}

int TxtBox::LargeChange() const { return m_bar->pageStep(); }
void TxtBox::setLargeChange(int step) { m_bar->setPageStep(step); }

int TxtBox::Value() const { return sign() * m_bar->value(); }

void TxtBox::setValue(int value) { m_bar->setValue(sign() * std::abs(value)); }

int TxtBox::MaxLength() const { return m_edit->maxLength(); }
void TxtBox::setMaxLength(int length) { m_edit->setMaxLength(length); }

void TxtBox::settle()
{
    if (!m_edit->isModified())
        return;
    bool ok = false;
    const int number = m_edit->text().toInt(&ok);
    const int low = std::min(m_top, m_bottom);
    const int high = std::max(m_top, m_bottom);
    if (ok && (number < low || number > high))
        m_edit->setText(QString::number(std::clamp(number, low, high)));  // takes it as typed
    m_edit->setModified(false);
}

void TxtBox::settleAll(const QWidget* container)
{
    for (TxtBox* box : container->findChildren<TxtBox*>())
        box->settle();
}

void TxtBox::textChanged(const QString& text)
{
    if (text.isEmpty()) {
        m_edit->setText(QStringLiteral("1"));  // comes back here with "1"
        return;
    }
    bool ok = false;
    const int number = text.toInt(&ok);
    const int low = std::min(m_top, m_bottom);
    const int high = std::max(m_top, m_bottom);
    if (ok && number >= low && number <= high) {
        m_syncing = true;
        m_bar->setValue(sign() * number);
        m_syncing = false;
    }
    Q_EMIT Change();
}

void TxtBox::barMoved(int)
{
    if (m_syncing)
        return;
    m_edit->setText(QString::number(Value()));
    m_edit->end(false);
}

bool TxtBox::eventFilter(QObject* watched, QEvent* event)
{
    // Selecting on the focus event itself would be undone by the click that gave it.
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_edit, &QLineEdit::selectAll);
    if (watched == m_edit && event->type() == QEvent::FocusOut)
        settle();
    return QWidget::eventFilter(watched, event);
}

void TxtBox::resizeEvent(QResizeEvent*)
{
    m_edit->setGeometry(0, 0, width() - kBarWidthPixels, height());
    m_bar->setGeometry(width() - kBarWidthPixels, 0, kBarWidthPixels, height());
}

}  // namespace plk

#include "widgets/ui/ucToolbar.h"

#include "base/core/Twips.h"
#include "widgets/core/ToolbarHotTracking.h"
#include "widgets/ui/ToolbarButton.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QEnterEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>

namespace plk {

ucToolbar::ucToolbar(QWidget* parent) : QWidget(parent) {}

ucToolbar::~ucToolbar() = default;

bool ucToolbar::Initialize(int ImageSize, bool FlatStyle, bool ListStyle, int Divider)
{
    if (m_toolbar)
        return true;
    m_imageSize = ImageSize;
    m_flat = FlatStyle;
    m_list = ListStyle;
    m_divider = Divider;
    m_toolbar = new QToolBar(this);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(ImageSize, ImageSize));
    m_toolbar->setOrientation(Divider == 1 ? Qt::Vertical : Qt::Horizontal);
    m_toolbar->setToolButtonStyle(ListStyle ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextUnderIcon);
    m_toolbar->setMouseTracking(true);
    m_toolbar->installEventFilter(this);
    m_toolbar->setGeometry(0, dividerHeight(), width(), height() - dividerHeight());
    m_toolbar->show();
    return true;
}

int ucToolbar::AddBitmap(const QPixmap& bitmap, OleColor MaskColor)
{
    if (!m_toolbar)
        return 0;
    const int first = int(m_images.size());
    for (int x = 0; x + m_imageSize <= bitmap.width(); x += m_imageSize) {
        QPixmap image = bitmap.copy(x, 0, m_imageSize, m_imageSize);
        if (MaskColor != -1)
            image.setMask(image.createMaskFromColor(toQColor(MaskColor), Qt::MaskInColor));
        m_images.append(QIcon(image));
    }
    return first;
}

int ucToolbar::AddIcon(const QIcon& icon)
{
    if (!m_toolbar)
        return 0;
    m_images.append(icon);
    return int(m_images.size()) - 1;
}

QIcon ucToolbar::image(int index) const { return m_images.value(index); }

void ucToolbar::AddButton(const QString& Caption, int Image, const QString& TipText, int Style, bool Autosize,
                          qint32 ItemData)
{
    if (!m_toolbar)
        return;
    const int number = ButtonCount() + 1;
    if (Style != StyleSeparator && Autosize)
        Style |= StyleAutoSize;
    Record r{Image, Style, TipText.left(kTipLength), ItemData, nullptr, nullptr};
    if (Style == StyleSeparator) {
        r.action = m_toolbar->addSeparator();
        m_checkGroup = nullptr;
    } else {
        using Arrow = ToolbarButton::Arrow;
        const Arrow arrow = (Style & StyleWholeDropDown) ? Arrow::Whole
                            : (Style & StyleDropDown)    ? Arrow::Split
                                                         : Arrow::None;
        auto* b = new ToolbarButton(arrow, m_toolbar);
        r.button = b;
        b->setText(Caption);
        b->setIcon(image(Image));
        b->setToolTip(r.tip);
        b->setAutoRaise(m_flat);
        b->setToolButtonStyle(buttonStyle(r));
        b->setCheckable(Style & StyleCheck);
        if ((Style & StyleCheckGroup) == StyleCheckGroup) {
            if (!m_checkGroup)
                m_checkGroup = new QButtonGroup(this);
            m_checkGroup->addButton(b);
        } else {
            m_checkGroup = nullptr;
        }
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, number] { Q_EMIT ButtonClick(number); });
        connect(b, &ToolbarButton::dropDownRequested, this, [this, number] { dropDown(number); });
        r.action = m_toolbar->addWidget(b);
    }
    m_buttons.push_back(r);
    evenOutWidths();
    fitCaptions();
    updateGeometry();
}

Qt::ToolButtonStyle ucToolbar::buttonStyle(const Record& r) const
{
    const bool imageOnly = r.button && r.button->text().isEmpty();
    const bool compacted = m_compact && (r.style & StyleCompact) && r.image >= 0;
    return imageOnly || compacted ? Qt::ToolButtonIconOnly : m_toolbar->toolButtonStyle();
}

// Compact buttons give up their captions (their images and tips stay) while the
// toolbar is narrower than its buttons with every caption, so that the buttons at its
// end stay in sight rather than behind the toolbar's overflow arrow.
void ucToolbar::fitCaptions()
{
    if (!m_toolbar || m_toolbar->orientation() != Qt::Horizontal)
        return;
    const auto apply = [this](bool compact) {
        m_compact = compact;
        for (const Record& r : m_buttons) {
            if (r.button && (r.style & StyleCompact))
                r.button->setToolButtonStyle(buttonStyle(r));
        }
        m_toolbar->layout()->invalidate();
    };
    apply(false);
    if (m_toolbar->sizeHint().width() > width())
        apply(true);
}

// Buttons without the auto-size style share the width of the widest of them.
void ucToolbar::evenOutWidths()
{
    int widest = 0;
    for (const Record& r : m_buttons) {
        if (r.button && !(r.style & StyleAutoSize))
            widest = std::max(widest, r.button->sizeHint().width());
    }
    for (const Record& r : m_buttons) {
        if (r.button && !(r.style & StyleAutoSize))
            r.button->setMinimumWidth(widest);
    }
}

int ucToolbar::ToolbarHeight() const
{
    const Record* first = record(1);
    if (!first)
        return 0;
    m_toolbar->layout()->activate();
    const QWidget* w = m_toolbar->widgetForAction(first->action);
    return w ? w->mapTo(this, QPoint(0, w->height())).y() : 0;
}

// --- per-button properties -------------------------------------------------------------

const ucToolbar::Record* ucToolbar::record(int button) const
{
    return button >= 1 && button <= ButtonCount() ? &m_buttons[std::size_t(button - 1)] : nullptr;
}

ToolbarButton* ucToolbar::buttonWidget(int button) const
{
    const Record* r = record(button);
    return r ? r->button : nullptr;
}

QString ucToolbar::ButtonCaption(int button) const
{
    const ToolbarButton* b = buttonWidget(button);
    return b ? b->text().left(kCaptionLength) : QString();
}

void ucToolbar::setButtonCaption(int button, const QString& caption)
{
    if (ToolbarButton* b = buttonWidget(button)) {
        b->setText(caption);
        b->setToolButtonStyle(buttonStyle(*record(button)));
        evenOutWidths();
        fitCaptions();
    }
}

int ucToolbar::ButtonImage(int button) const
{
    const Record* r = record(button);
    return r ? r->image : 0;
}

void ucToolbar::setButtonImage(int button, int image)
{
    if (!record(button))
        return;
    m_buttons[std::size_t(button - 1)].image = image;
    if (ToolbarButton* b = buttonWidget(button))
        b->setIcon(this->image(image));
}

QString ucToolbar::ButtonTipText(int button) const
{
    const Record* r = record(button);
    return r ? r->tip : QString();
}

void ucToolbar::setButtonTipText(int button, const QString& tip)
{
    if (!record(button))
        return;
    Record& r = m_buttons[std::size_t(button - 1)];
    r.tip = tip.left(kTipLength);
    if (r.button)
        r.button->setToolTip(r.tip);
}

bool ucToolbar::ButtonEnabled(int button) const
{
    const Record* r = record(button);
    return r && r->action->isEnabled();
}

void ucToolbar::setButtonEnabled(int button, bool enabled)
{
    if (const Record* r = record(button)) {
        r->action->setEnabled(enabled);
        if (r->button)
            r->button->setEnabled(enabled);
    }
}

bool ucToolbar::ButtonChecked(int button) const
{
    const ToolbarButton* b = buttonWidget(button);
    return b && b->isChecked();
}

void ucToolbar::setButtonChecked(int button, bool checked)
{
    const Record* r = record(button);
    if (!r || !r->button)
        return;
    // Any button may be shown checked; only check-style buttons toggle on a click.
    r->button->setCheckable(checked || (r->style & StyleCheck));
    r->button->setChecked(checked);
}

bool ucToolbar::ButtonPressed(int button) const
{
    const ToolbarButton* b = buttonWidget(button);
    return b && b->isDown();
}

void ucToolbar::setButtonPressed(int button, bool pressed)
{
    if (ToolbarButton* b = buttonWidget(button))
        b->setDown(pressed);
}

bool ucToolbar::ButtonVisible(int button) const
{
    const Record* r = record(button);
    return r && r->action->isVisible();
}

void ucToolbar::setButtonVisible(int button, bool visible)
{
    if (const Record* r = record(button)) {
        r->action->setVisible(visible);
        m_toolbar->layout()->activate();  // the toolbar shows and hides its widgets when laid out
    }
}

int ucToolbar::ButtonStyle(int button) const
{
    const Record* r = record(button);
    return r ? r->style : 0;
}

qint32 ucToolbar::ButtonData(int button) const
{
    const Record* r = record(button);
    return r ? r->data : 0;
}

// --- events ----------------------------------------------------------------------------

void ucToolbar::dropDown(int button)
{
    const ToolbarButton* b = buttonWidget(button);
    QWidget* container = parentWidget() ? parentWidget() : this;
    const QPoint corner = pixelsToTwips(b->mapTo(container, QPoint(0, b->height())));
    Q_EMIT ButtonDropDown(button, corner.x(), corner.y());
}

int ucToolbar::buttonAt(const QPoint& toolbarPos) const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const ToolbarButton* b = m_buttons[i].button;
        if (b && b->isVisible() && b->geometry().contains(toolbarPos))
            return int(i) + 1;
    }
    return 0;
}

void ucToolbar::setHot(int button)
{
    if (button == m_hot)
        return;
    const int previous = m_hot;
    m_hot = button;
    for (const ToolbarHoverEvent& e : hotButtonChange(previous, button, ButtonEnabled(button))) {
        switch (e.kind) {
        case ToolbarHoverEvent::ButtonLeave: Q_EMIT ButtonLeave(e.button); break;
        case ToolbarHoverEvent::ButtonEnter: Q_EMIT ButtonEnter(e.button); break;
        case ToolbarHoverEvent::ToolbarLeave: Q_EMIT ToolbarLeave(); break;
        case ToolbarHoverEvent::ToolbarEnter: Q_EMIT ToolbarEnter(); break;
        }
    }
}

// The button under the pointer becomes hot when the pointer enters it; the empty
// part of the toolbar makes nothing hot; leaving the toolbar ends hot tracking.
bool ucToolbar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_toolbar) {
        if (event->type() == QEvent::MouseMove)
            setHot(buttonAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        else if (event->type() == QEvent::Leave)
            setHot(0);
    } else if (event->type() == QEvent::Enter) {
        for (std::size_t i = 0; i < m_buttons.size(); ++i) {
            if (m_buttons[i].button == watched)
                setHot(int(i) + 1);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ucToolbar::resizeEvent(QResizeEvent*)
{
    if (m_toolbar) {
        fitCaptions();
        m_toolbar->setGeometry(0, dividerHeight(), width(), height() - dividerHeight());
    }
}

void ucToolbar::paintEvent(QPaintEvent*)
{
    if (!m_toolbar || dividerHeight() == 0)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, width(), 1);
}

QSize ucToolbar::sizeHint() const
{
    if (!m_toolbar)
        return QWidget::sizeHint();
    const QSize bar = m_toolbar->sizeHint();
    return QSize(bar.width(), bar.height() + dividerHeight());
}

}  // namespace plk

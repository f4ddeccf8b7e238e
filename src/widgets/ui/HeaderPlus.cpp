#include "widgets/ui/HeaderPlus.h"

#include "base/core/Twips.h"
#include "widgets/ui/Line3D.h"

#include <QLabel>
#include <QPainter>

namespace plk {

namespace {

// Placement inside the banner, in twips.
constexpr int kTitleLeft = 240;
constexpr int kTitleTop = 150;
constexpr int kSubtitleLeft = 480;
constexpr int kSubtitleTop = 450;
constexpr int kPictureSize = 720;
constexpr int kPictureRight = 120;
constexpr int kTextToPicture = 240;

}  // namespace

HeaderPlus::HeaderPlus(QWidget* parent)
    : QWidget(parent), m_title(new QLabel(this)), m_subtitle(new QLabel(this)), m_image(new QLabel(this)),
      m_line(new Line3D(this))
{
    setFixedHeight(twipsToPixels(kHeightTwips));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_title->setObjectName(QStringLiteral("Label1"));
    m_subtitle->setObjectName(QStringLiteral("Label2"));
    m_image->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {m_title, m_subtitle}) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(p);
    }
    m_title->setText(QStringLiteral("Titre principal"));
    m_subtitle->setText(QStringLiteral("Description courte"));
    setLabelFont(m_title, QStringLiteral("Tahoma"), 9);
    setLabelFont(m_subtitle, QStringLiteral("Tahoma"), 8);
}

void HeaderPlus::setLabelFont(QLabel* label, const QString& family, int points)
{
    QFont f(family, points);
    f.setBold(label == m_title);
    label->setFont(f);
}

void HeaderPlus::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    QPixmap shown;
    if (!picture.isNull()) {
        const qreal ratio = devicePixelRatioF();
        const int side = twipsToPixels(kPictureSize);
        shown = picture.scaled(QSize(side, side) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
    }
    m_image->setPixmap(shown);
    resizeEvent(nullptr);
}

QString HeaderPlus::Caption1() const { return m_title->text(); }
void HeaderPlus::setCaption1(const QString& text) { m_title->setText(text); }
QString HeaderPlus::Caption2() const { return m_subtitle->text(); }
void HeaderPlus::setCaption2(const QString& text) { m_subtitle->setText(text); }
QString HeaderPlus::FontName() const { return m_title->font().family(); }
void HeaderPlus::setFontName(const QString& name) { setLabelFont(m_title, name, Size1()); }
int HeaderPlus::Size1() const { return m_title->font().pointSize(); }
void HeaderPlus::setSize1(int points) { setLabelFont(m_title, FontName(), points); }
int HeaderPlus::Size2() const { return m_subtitle->font().pointSize(); }
void HeaderPlus::setSize2(int points) { setLabelFont(m_subtitle, m_subtitle->font().family(), points); }

void HeaderPlus::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
}

void HeaderPlus::resizeEvent(QResizeEvent*)
{
    const int w = pixelsToTwips(width());
    const int pictureLeft = w - kPictureRight - kPictureSize;
    const int pictureTop = (kHeightTwips - Line3D::kHeightTwips - kPictureSize) / 2;
    m_image->setGeometry(twipsToPixels(QRect(pictureLeft, pictureTop, kPictureSize, kPictureSize)));
    const int textRight = (m_picture.isNull() ? w : pictureLeft) - kTextToPicture;
    m_title->setGeometry(twipsToPixels(QRect(kTitleLeft, kTitleTop, textRight - kTitleLeft, 270)));
    m_subtitle->setGeometry(twipsToPixels(QRect(kSubtitleLeft, kSubtitleTop, textRight - kSubtitleLeft, 270)));
    m_line->setGeometry(0, height() - m_line->height(), width(), m_line->height());
}

}  // namespace plk

#pragma once
// A row of image buttons with captions, tooltips, drop-down arrows and checked or
// pressed states. Buttons are numbered 1, 2, 3 ... in the order they are added
// (separators included); every per-button member and every event uses that number.
// Nothing works before `Initialize`.

#include "base/core/Colors.h"

#include <QIcon>
#include <QList>
#include <QWidget>
#include <vector>

class QAction;
class QButtonGroup;
class QToolBar;

namespace plk {

class ToolbarButton;

class ucToolbar : public QWidget {
    Q_OBJECT
public:
    /// Button styles, combined as bits.
    enum Style {
        StyleButton = 0x00,
        StyleSeparator = 0x01,
        StyleCheck = 0x02,
        StyleGroup = 0x04,
        StyleCheckGroup = 0x06,
        StyleDropDown = 0x08,
        StyleAutoSize = 0x10,
        /// Shows only its image while the toolbar is too narrow for every caption.
        StyleCompact = 0x20,
        StyleWholeDropDown = 0x80,
    };
    static constexpr int kTipLength = 80;
    static constexpr int kCaptionLength = 260;

    explicit ucToolbar(QWidget* parent = nullptr);
    ~ucToolbar() override;

    /// Creates the toolbar for images of `imageSize` pixels. `FlatStyle` raises the
    /// buttons only under the pointer; `ListStyle` puts captions beside the images
    /// instead of below; `Divider` −1 draws a divider line above the toolbar, 0 none,
    /// 1 makes the toolbar vertical. Returns whether the toolbar exists.
    bool Initialize(int ImageSize, bool FlatStyle, bool ListStyle, int Divider);
    bool isInitialized() const { return m_toolbar != nullptr; }

    /// Adds the images of a strip (squares of the image size, left to right), the
    /// pixels of `MaskColor` (0x00BBGGRR, −1 for none) made transparent. Returns the
    /// index of the first image added; 0 before `Initialize`.
    int AddBitmap(const QPixmap& bitmap, OleColor MaskColor);
    /// Adds one image; returns its index, 0 before `Initialize`.
    int AddIcon(const QIcon& icon);
    void AddButton(const QString& Caption, int Image, const QString& TipText = {}, int Style = StyleButton,
                   bool Autosize = true, qint32 ItemData = 0);

    /// Bottom of button 1 in pixels, divider line included.
    int ToolbarHeight() const;
    int ButtonCount() const { return int(m_buttons.size()); }

    QString ButtonCaption(int button) const;
    void setButtonCaption(int button, const QString& caption);
    int ButtonImage(int button) const;
    void setButtonImage(int button, int image);
    QString ButtonTipText(int button) const;
    void setButtonTipText(int button, const QString& tip);
    bool ButtonEnabled(int button) const;
    void setButtonEnabled(int button, bool enabled);
    bool ButtonChecked(int button) const;
    void setButtonChecked(int button, bool checked);
    bool ButtonPressed(int button) const;
    void setButtonPressed(int button, bool pressed);
    bool ButtonVisible(int button) const;
    void setButtonVisible(int button, bool visible);
    /// The style the button was given, auto-size bit included.
    int ButtonStyle(int button) const;
    qint32 ButtonData(int button) const;
    /// The button's widget; null for separators and unknown numbers.
    ToolbarButton* buttonWidget(int button) const;

    /// The caption font: the container's unless set (`setFont`), applied at once.
    QFont Font() const { return font(); }

    QSize sizeHint() const override;

Q_SIGNALS:
    void ButtonClick(int button);
    void ButtonLeave(int button);
    void ButtonEnter(int button);
    /// `x`, `y`: the lower-left corner of the button in the container, in twips.
    void ButtonDropDown(int button, int x, int y);
    void ToolbarLeave();
    void ToolbarEnter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Record {
        int image;
        int style;
        QString tip;
        qint32 data;
        QAction* action;
        ToolbarButton* button;  // null for a separator
    };

    const Record* record(int button) const;
    QIcon image(int index) const;
    int buttonAt(const QPoint& toolbarPos) const;
    void setHot(int button);
    void dropDown(int button);
    void evenOutWidths();
    Qt::ToolButtonStyle buttonStyle(const Record& r) const;
    void fitCaptions();
    int dividerHeight() const { return m_divider == -1 ? 2 : 0; }

    QToolBar* m_toolbar = nullptr;
    bool m_compact = false;  // compact buttons show their images only
    QList<QIcon> m_images;
    std::vector<Record> m_buttons;
    QButtonGroup* m_checkGroup = nullptr;
    int m_imageSize = 16;
    int m_divider = 0;
    bool m_flat = false;
    bool m_list = false;
    int m_hot = 0;
};

}  // namespace plk

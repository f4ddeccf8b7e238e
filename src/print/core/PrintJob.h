#pragma once
// Printing a tab on sheets of labels, and the page pictures of its preview.
//
// The sheets are drawn on any paged device: a PDF file here, an installed printer
// through the user interface's printing (CUPS), which reuses the same drawing.

#include "base/core/FileWriter.h"
#include "print/core/Calibration.h"
#include "print/core/SheetLayout.h"
#include "print/core/SheetPlan.h"
#include "print/core/SheetRenderer.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>


class QPagedPaintDevice;
class QPainter;

namespace plk {

class DataTable;
class Etiquette;

/// The last entry of the printer list: the sheets go to a PDF file.
inline const QString kPdfFileEntry = QStringLiteral("Imprimer dans un fichier PDF");

/// A print quality of the set-up's list: its text, the code handed to the printer,
/// and the resolution that code stands for.
struct PrintQuality {
    QString text;
    std::int16_t code;
    int dotsPerInch;
};

/// The quality list, index 0 (lowest) to 3 (highest).
const std::array<PrintQuality, 4>& printQualities();
/// The resolution a quality code stands for; 0 for a code that is none of them.
int dotsPerInchForQuality(std::int16_t code);
/// The quality code the set-up chooses for a stored quality index: the one of the
/// list entry, or that of the second entry (the set-up's first choice) for an index
/// outside the list.
std::int16_t qualityCodeForIndex(int index);

/// What a job takes beyond the tab and its layout values.
struct JobExtras {
    /// The project's tabs that positions and backs take their designs from; none: the
    /// tab alone at every position.
    DesignLookup designs;
    /// The printer's correction, and where the device's printable area starts on the
    /// paper (none for a file).
    Calibration calibration;
    QPointF marginMm;
    /// The device makes the copies the tab's options ask for: each sheet is drawn once.
    bool copiesByDevice = false;
};

/// Draws the tab's sheets through a painter that has begun on a paged device (a
/// printer or a PDF writer) whose printable area is `pageMm` at `dotsPerInch`. With
/// `data`, the rows of the tab's data file fill one label each from the tab's first
/// label, and the sheets follow from the rows. False when a page could not be
/// started or drawing failed. The designs of other tabs go where `extras` says, each
/// front followed by its back in a duplex job, corrected by the calibration.
bool paintSheets(QPainter& painter, QPagedPaintDevice& device, QSizeF pageMm, QSizeF dotsPerInch,
                 const Etiquette& tab, const LayoutValues& values, const DataTable* data = nullptr,
                 const JobExtras& extras = {});

/// Writes the tab's sheets (filled from `data` when given) as a PDF file of the tab's
/// paper (A4 portrait by default) at the print quality of its `Resolution` (the sheet
/// starts at the paper's corner: a file has no unprintable margin). The file is
/// replaced only once the new one is complete, so a failure leaves the old file as it
/// was. Returns an empty string on success, otherwise the reason (the system's own
/// when writing failed).
QString printSheetsToPdf(const Etiquette& tab, const LayoutValues& values, const QString& pdfFile,
                         const DataTable* data = nullptr, const JobExtras& extras = {},
                         const FileWriter& writer = FileWriter());

/// The layout of the tab's labels with the given values, on the tab's exact grid and
/// every grid of its maker's sheet when the values are theirs.
SheetLayout tabLayout(const Etiquette& tab, const LayoutValues& values);

/// The front sheets a job of the tab prints when rows make them: its own rows and
/// those of the designs given positions, with each row's copies, from its first
/// label; nothing when no design has rows (the layout's count is printed).
std::optional<int> sheetsOfRows(const Etiquette& tab, const LayoutValues& values, const DataTable* data,
                                const DesignLookup& designs);

/// How the paper turns in a job of the tab whose labels have backs; nothing for a
/// one-sided job.
std::optional<SheetFlip> jobFlip(const Etiquette& tab, const LayoutValues& values, const DataTable* data,
                                 const DesignLookup& designs);

/// The counter values a print run of the tab uses (see SheetPlan::countersUsed):
/// what a counter that carries on moves by.
qint64 countersUsed(const Etiquette& tab, const LayoutValues& values, const DataTable* data,
                    const DesignLookup& designs = {});

/// Page size of the preview's page pictures of A4, in twips at 56.7 twips per mm (a
/// tab on another paper has pages of that paper's size).
inline constexpr double kPageWidthTwips = 210 * 56.7;
inline constexpr double kPageHeightTwips = 297 * 56.7;

/// The preview's pages, each drawn when asked for: a merge of thousands of rows has
/// thousands of sheets, too many to hold as pictures. Every page is one sheet with
/// the tab's picture pasted at every label position (with its row's values when
/// there is a data table, which must outlive the pages, as the tab must). Other
/// tabs' designs go where the tab's print settings give them, and each back follows
/// its front, as printed (the tabs and tables of `designs` must outlive the pages).
class PreviewPages {
public:
    PreviewPages(const Etiquette& tab, const LayoutValues& values, double dotsPerInch,
                 const DataTable* data = nullptr, const DesignLookup& designs = {});
    ~PreviewPages();
    PreviewPages(const PreviewPages&) = delete;
    PreviewPages& operator=(const PreviewPages&) = delete;

    int count() const;
    /// Page `number` (from 1 to count).
    QImage page(int number) const;
    /// Whether page `number` holds the backs of the labels of the page before it.
    bool isBack(int number) const { return m_plan.isBack(number); }

private:
    SheetLayout m_layout;
    QSizeF m_pageTwips;
    SheetPlan m_plan;
    std::vector<LabelArt> m_arts;
    double m_dotsPerInch;
};

/// Every preview page, from a picture of the tab as the screen shows it.
std::vector<QImage> previewPages(const Etiquette& tab, const LayoutValues& values, const DataTable* data = nullptr);

/// The same pages at `dotsPerInch` (the tab's picture painted afresh at that
/// resolution), handed to `take` one at a time as each is finished, numbered from 1;
/// `take` returns false to stop. False when it stopped.
bool forEachPreviewPage(const Etiquette& tab, const LayoutValues& values, double dotsPerInch,
                        const std::function<bool(int number, const QImage& page)>& take,
                        const DataTable* data = nullptr, const DesignLookup& designs = {});

}  // namespace plk

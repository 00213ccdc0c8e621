// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_pane.h"

#include "desktop.h"
#include "figure_painter.h"
#include "working_clipboard.h"
#include "working/bidi.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace sb::ui {

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Figure"));
    setAccessibleName(tr("Figure"));
    setMinimumHeight(220);
    // mathematics is drawn left to right in every language: a figure is never mirrored
    setLayoutDirection(Qt::LeftToRight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FigureView::setFigure(const working::Figure& figure) {
    figure_ = figure;
    setAccessibleDescription(figure.description);
    setToolTip(figure.description);
    update();
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFigure(p, rect(), figure_, FigureColours::from(palette()));
}

void FigureView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Copy Figure"), this, [this] {
        QImage image(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatioF());
        QPainter p(&image);
        paintFigure(p, rect(), figure_, FigureColours::from(palette()));
        p.end();
        QApplication::clipboard()->setImage(image);
    });
    menu.addAction(tr("Save Figure as SVG..."), this, [this] { save(QStringLiteral("svg")); });
    menu.addAction(tr("Save Figure as PNG..."), this, [this] { save(QStringLiteral("png")); });
    menu.exec(event->globalPos());
}

void FigureView::save(const QString& kind) {
    const QString path = Desktop::current().chooseSaveFile(
        this, QStringLiteral("figure.") + kind,
        kind == u"svg" ? tr("SVG drawing (*.svg)") : tr("PNG picture (*.png)"));
    if (path.isEmpty()) return;
    if (!saveFigure(figure_, path, palette(), devicePixelRatioF()))
        Desktop::current().showMessage(
            window(),
            tr("The figure could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
}

WorkingPane::WorkingPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("WorkingPane"));
    setAccessibleName(tr("Working"));
    setAutoFillBackground(true);
    followDesktopPalette();
    // a pane with colours of its own hears of a new desktop theme only from the application
    qApp->installEventFilter(this);

    figure_ = new FigureView(this);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    steps_ = new QListWidget(this);
    steps_->setObjectName(QStringLiteral("Steps"));
    steps_->setAccessibleName(tr("Steps"));
    steps_->setWordWrap(true);
    steps_->setSelectionMode(QAbstractItemView::SingleSelection);
    detail_ = new QCheckBox(tr("More detail"), this);
    detail_->setObjectName(QStringLiteral("MoreDetail"));
    auto* copy = new QPushButton(tr("Copy Working"), this);
    copy->setObjectName(QStringLiteral("CopyWorking"));
    copy_ = copy;
    auto* print = new QPushButton(tr("Print..."), this);
    print->setObjectName(QStringLiteral("Print"));
    print_ = print;
    auto* savePdf = new QPushButton(tr("Save as PDF..."), this);
    savePdf->setObjectName(QStringLiteral("SavePdf"));
    savePdf_ = savePdf;
    const QKeySequence printKeys(QKeySequence::Print);
    // a desktop without a key of its own for Save As gets the common one
    QKeySequence saveKeys(QKeySequence::SaveAs);
    if (saveKeys.isEmpty()) saveKeys = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    print->setToolTip(
        tr("Print the working (%1)").arg(printKeys.toString(QKeySequence::NativeText)));
    savePdf->setToolTip(
        tr("Save the working as a PDF file (%1)").arg(saveKeys.toString(QKeySequence::NativeText)));
    for (QPushButton* b : {print, savePdf}) b->setAccessibleDescription(b->toolTip());
    // shortcuts of the pane: they work only while it is open
    connect(new QShortcut(printKeys, this), &QShortcut::activated, print, &QPushButton::click);
    connect(new QShortcut(saveKeys, this), &QShortcut::activated, savePdf, &QPushButton::click);

    auto* row = new QHBoxLayout;
    row->addWidget(detail_);
    row->addStretch();
    row->addWidget(print);
    row->addWidget(savePdf);
    row->addWidget(copy);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(figure_, 5);
    column->addWidget(note_);
    column->addWidget(steps_, 4);
    column->addLayout(row);

    connect(detail_, &QCheckBox::toggled, this, &WorkingPane::detailToggled);
    connect(copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setMimeData(workingMimeData(
            shown_, figure_->figure(), layoutDirection(), devicePixelRatioF()));
    });
    connect(print, &QPushButton::clicked, this, &WorkingPane::printRequested);
    connect(savePdf, &QPushButton::clicked, this, &WorkingPane::savePdfRequested);
}

QStringList shownLines(const working::Working& working, bool withDetail,
                       Qt::LayoutDirection direction) {
    QStringList lines = working.lines(withDetail);
    if (direction == Qt::RightToLeft)
        for (QString& line : lines) line = working::isolateFormulas(line);
    return lines;
}

void WorkingPane::present(const working::Working& working, bool withDetail) {
    figure_->setFigure(working.figure);
    figure_->setVisible(!working.figure.empty());
    note_->setText(working.figure.note);
    note_->setVisible(!working.figure.note.isEmpty());
    shown_ = shownLines(working, withDetail, layoutDirection());
    steps_->clear();
    steps_->addItems(shown_);
    detail_->setVisible(working.hasDetail());
    const QSignalBlocker quiet(detail_);
    detail_->setChecked(withDetail);
}

QList<QWidget*> WorkingPane::focusOrder() const {
    return {steps_, detail_, print_, savePdf_, copy_};
}

bool WorkingPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        followDesktopPalette();
    return false;
}

// The pane sits on the window, which may have a colour of its own; the pane keeps the
// desktop's, light or dark, as the figure's contrast is reckoned against it.
void WorkingPane::followDesktopPalette() {
    // every colour set as the pane's own, so none is taken from the window's palette
    const QPalette desktop = QApplication::palette();
    QPalette own;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            own.setBrush(g, r, desktop.brush(g, r));
        }
    setPalette(own);
}

} // namespace sb::ui

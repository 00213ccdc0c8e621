// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pane beside a topic window that shows the working of its last command: the figure
// above, drawn to scale, and the steps below, one line each. It is made the first time the
// pupil opens it, so a window whose pane stays closed pays nothing for it.

#include "working/working.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;

namespace sb::ui {

// Draws one figure model at the widget's size and the screen's pixel ratio. Its accessible
// name is "Figure", its description the figure's. Its context menu copies it as a picture
// or saves it as SVG or PNG.
class FigureView : public QWidget {
    Q_OBJECT
public:
    explicit FigureView(QWidget* parent);
    void setFigure(const working::Figure& figure);
    const working::Figure& figure() const { return figure_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void save(const QString& kind);
    working::Figure figure_;
};

// The step lines as a window shows them: with the detail lines or not, and in a window laid
// out right to left, each formula kept left to right among the words.
QStringList shownLines(const working::Working& working, bool withDetail,
                       Qt::LayoutDirection direction);

class WorkingPane : public QWidget {
    Q_OBJECT
public:
    explicit WorkingPane(QWidget* parent);
    // Shows the working; detail lines only when withDetail.
    void present(const working::Working& working, bool withDetail);
    // The pane's controls in Tab order.
    QList<QWidget*> focusOrder() const;

signals:
    void detailToggled(bool withDetail);
    void printRequested();
    void savePdfRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followDesktopPalette();

    FigureView* figure_;
    QLabel* note_;
    QListWidget* steps_;
    QCheckBox* detail_;
    QWidget* print_;
    QWidget* savePdf_;
    QWidget* copy_;
    QStringList shown_; // the lines on view, for Copy Working
};

} // namespace sb::ui

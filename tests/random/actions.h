// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the pieces of sumbrook-random share: the windows' controls as a `controls` listing shows
// them, one step of a script, and the random values it types.

#include <QString>
#include <QStringList>

#include <map>
#include <random>
#include <vector>

namespace random_actions {

struct Control {
    QString kind; // box, label, output, button, link
    int maxLength = 0;
    QString text;
};

// The open windows and their controls, as one `controls` listing shows them.
struct Snapshot {
    std::map<QString, std::map<QString, Control>> windows; // Form2 -> A -> control
};

// One action and the queries that follow it (what the checks of it read), with what they
// printed before the listing that follows them.
struct Step {
    QString command;
    QStringList probes;
    QStringList printed;
    Snapshot after;
};

struct Window {
    QString opener; // the main menu control that opens it
    bool pane = false; // a topic window, with a "Show Working" button and its pane
    std::map<QString, Control> initial;
};

// The working pane's controls and its button: a `controls` listing leaves them out.
inline const QStringList paneControls = {"Working", "MoreDetail", "CopyWorking", "Print",
                                         "SavePdf"};

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <class T> const T& pick(const std::vector<T>& items) {
        return items[below(int(items.size()))];
    }

    QString digits(int n) {
        QString s;
        for (int i = 0; i < n; ++i) s += QChar(u'0' + below(10));
        return s;
    }
    QString number() {
        switch (below(6)) {
        case 0: return QString::number(below(200) - 100);
        case 1: return QString::number(below(1000) - 500) + '.' + digits(1 + below(4));
        case 2: return QString::number(below(20) - 10) + '/' + QString::number(below(12) - 2);
        case 3:
            return QString::number(below(9)) + '/' + QString::number(below(9)) + '/' +
                   QString::number(below(9) + 1);
        case 4:
            return digits(1 + below(3)) + 'e' + (below(2) ? "-" : "") + QString::number(below(400));
        default: return QString::number(below(10)) + ',' + digits(1 + below(3));
        }
    }
    QString hostile() {
        static const std::vector<QString> odd = {"",
                                                 " ",
                                                 "   ",
                                                 "--",
                                                 "-",
                                                 ".",
                                                 ",",
                                                 "/",
                                                 "//",
                                                 "1/0",
                                                 "0/0",
                                                 "-0",
                                                 "0",
                                                 "1e308",
                                                 "1e999",
                                                 "-1e-999",
                                                 "1e308/1e-308",
                                                 "1e-308/1e308",
                                                 "9e307/1/9e-307",
                                                 "inf",
                                                 "nan",
                                                 "-inf",
                                                 "NaN",
                                                 "Infinity",
                                                 "😀",
                                                 "🇩🇪",
                                                 "e\u0301",
                                                 "\u00BD",
                                                 "\u0661\u066B\u0665",
                                                 "\u22123",
                                                 "\n",
                                                 "\t",
                                                 "\u0001",
                                                 "\u007F",
                                                 "\u200B",
                                                 "abc",
                                                 "<b>x</b>",
                                                 "%s%n",
                                                 "\\",
                                                 "\"",
                                                 "1,000",
                                                 "1.2.3",
                                                 "+",
                                                 "1e",
                                                 "0x10",
                                                 " 2 ",
                                                 "2/1/4",
                                                 "-2/1/2",
                                                 "1/-4"};
        static const std::vector<QString> wide = {"😀", "🇩🇪", "e\u0301", "👍🏽", "\u0301"};
        switch (below(6)) {
        case 0:
        case 1: return number();
        case 2: return pick(odd);
        case 3: return digits(8 + below(40));
        case 4: return digits(below(9)) + pick(wide) + (below(2) ? pick(wide) : QString());
        default: return hostile() + hostile();
        }
    }

private:
    std::mt19937 random_;
};

} // namespace random_actions

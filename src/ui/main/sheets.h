#pragma once
// The seven sheets of the main window, in tab order. Each builds its own widgets; the form
// binding finds them by name, so a sheet holds no behaviour of its own.

#include <QWidget>

namespace qv {

// The area a sheet has inside the tab control.
inline constexpr int kSheetWidth = 441;
inline constexpr int kSheetHeight = 294;

class PrimarySheet : public QWidget {
public:
    explicit PrimarySheet(QWidget* parent = nullptr);
};

class SecondarySheet : public QWidget {
public:
    explicit SecondarySheet(QWidget* parent = nullptr);
};

class TransCapSheet : public QWidget {
public:
    explicit TransCapSheet(QWidget* parent = nullptr);
};

class TopLoadCSheet : public QWidget {
public:
    explicit TopLoadCSheet(QWidget* parent = nullptr);
};

class ReferenceSheet : public QWidget {
public:
    explicit ReferenceSheet(QWidget* parent = nullptr);
};

class SparkGapSheet : public QWidget {
public:
    explicit SparkGapSheet(QWidget* parent = nullptr);
};

// "Power Output": the photograph with the expected spark length over it.
class PowerOutputSheet : public QWidget {
public:
    explicit PowerOutputSheet(QWidget* parent = nullptr);
};

} // namespace qv

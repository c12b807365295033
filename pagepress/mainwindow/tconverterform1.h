#pragma once
// The application's main window: a borderless 831 x 572 window showing the product title.
// UI thread only.

#include <QWidget>

class QLabel;

class TConverterForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TConverterForm1(QWidget* parent = nullptr);

private:
    QLabel* m_titleLabel;
};

#pragma once
// EmptyListFace: the picture shown in place of the document list while it is empty
// (FaceImage), with the list's column titles drawn over it. UI thread only.

#include <QLabel>

class EmptyListFace : public QLabel {
    Q_OBJECT

public:
    explicit EmptyListFace(QWidget* parent = nullptr);
};

#pragma once
// The application icon, drawn at any square size.

#include <QImage>

QImage drawApplicationIcon(int size);

// The QApplication of a GUI test program (made by its main(), see QtTestMain.cpp).
#pragma once

#include <QApplication>

namespace tarvik::test {

inline QApplication& qtApp() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

}  // namespace tarvik::test

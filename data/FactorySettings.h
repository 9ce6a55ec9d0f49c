#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The settings row of table Lang as a first start and the reset command see it.
namespace FactorySettings {

// Table Lang's columns in stored order.
const QStringList& columns();
// The factory values in column order.
const QStringList& values();
// The factory value of a column (SQL names compare without regard to case); null if unknown.
QString value(QStringView column);

}  // namespace FactorySettings

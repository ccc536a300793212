#pragma once

#include <QString>

// The Chinese description of an HTTP status code; empty for codes without one, and for
// every code outside 0 to 600.
QString HttpStatusText(int status);

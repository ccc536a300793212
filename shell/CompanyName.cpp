#include "shell/CompanyName.h"

QString CompanyName;

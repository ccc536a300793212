#include "helpers/RecordingShell.h"

RecordingShell& RecordingShell::Instance() {
    static RecordingShell instance;
    return instance;
}

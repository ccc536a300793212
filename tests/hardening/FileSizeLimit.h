#pragma once

#include <sys/resource.h>

// While it lives, this process cannot grow any file beyond the given size: such a write
// fails with EFBIG as on a full disk (SIGXFSZ is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

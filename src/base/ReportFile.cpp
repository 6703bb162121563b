// Encoding through glibc's iconv; the temporary file is made by mkstemp beside the target so
// that rename(2) replaces the target in one step on the same file system.
#include "base/ReportFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/Utf8.h"

namespace qinghe {
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

}  // namespace

std::string ProposedReportFileName(std::string_view fullName, std::string_view lastName) {
    std::string name = Trim(fullName);
    if (name.empty()) name = std::string(lastName);
    if (name.find_first_of("*/<>?\\|") != std::string::npos) return "*.txt";
    return name;
}

std::string ReportFilePath(std::string_view chosen) {
    std::string path(chosen);
    const std::size_t n = path.size();
    const bool hasTxt = n >= 4 && path[n - 4] == '.' && (path[n - 3] | 0x20) == 't' &&
                        (path[n - 2] | 0x20) == 'x' && (path[n - 1] | 0x20) == 't';
    if (!hasTxt) path += ".txt";
    return path;
}

std::string Gb18030Text(const std::vector<std::string>& lines) {
    std::string utf8;
    for (const std::string& line : lines) utf8 += line + "\r\n";
    iconv_t cd = iconv_open("GB18030", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw ReportSaveError("GB18030 编码不可用: " + Reason(errno));
    std::string out(utf8.size() * 2 + 16, '\0');
    char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    const int error = errno;
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        throw ReportSaveError("报告文字无法转换为 GB18030: " + Reason(error));
    out.resize(out.size() - outLeft);
    return out;
}

void SaveReportLines(const std::string& path, const std::vector<std::string>& lines) {
    const std::string bytes = Gb18030Text(lines);
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw ReportSaveError("无法保存 " + path + ": " + Reason(errno));
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw ReportSaveError("无法保存 " + path + ": " + Reason(error));
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    // mkstemp makes the file private; a saved report gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) fail(errno);
    if (::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw ReportSaveError("无法保存 " + path + ": " + Reason(error));
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw ReportSaveError("无法保存 " + path + ": " + Reason(error));
    }
}

}  // namespace qinghe

#pragma once
// While it lives, a file or a folder refuses changes, also to root: the permission bits bind
// only other users, so as root the file system's immutable flag does it. Holds() says whether
// it took (a file system without that flag, or no right to set it).
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

class ReadOnly {
public:
  explicit ReadOnly(std::string path) : path_(std::move(path)) {
    struct stat st {};
    stat(path_.c_str(), &st);
    folder_ = S_ISDIR(st.st_mode);
    mode_ = st.st_mode & 07777;
    if (geteuid() == 0) Immutable(true);
    else chmod(path_.c_str(), mode_ & ~0222u);
  }
  ~ReadOnly() {
    if (geteuid() == 0) Immutable(false);
    else chmod(path_.c_str(), mode_);
  }
  ReadOnly(const ReadOnly&) = delete;
  ReadOnly& operator=(const ReadOnly&) = delete;

  bool Holds() const {
    const std::string probe = folder_ ? path_ + "/probe" : path_;
    const int fd = folder_ ? open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600) : open(probe.c_str(), O_WRONLY);
    if (fd < 0) return true;
    close(fd);
    if (folder_) unlink(probe.c_str());
    return false;
  }

private:
  void Immutable(bool on) const {
    const int fd = open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return;
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
  }

  std::string path_;
  bool folder_ = false;
  mode_t mode_ = 0;
};

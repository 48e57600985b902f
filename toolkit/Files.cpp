#include "toolkit/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>
#include <string_view>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

// Closes the descriptor it holds, once.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes it now: a file system may report a failed write only here.
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

QByteArray encoded(const QString &path) { return fileNameBytes(path); }

constexpr char16_t escapedByte = 0xdc00; // + the byte, 0x80 .. 0xff

// The length of the valid UTF-8 sequence at `at`, or 0.
int validSequence(const unsigned char *at, qsizetype left)
{
    const unsigned char lead = at[0];
    int length = 0;
    char32_t low = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2, low = 0x80;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3, low = 0x800;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4, low = 0x10000;
    else
        return 0;
    if (left < length)
        return 0;
    char32_t c = lead & (0x7f >> length);
    for (int i = 1; i < length; ++i) {
        if ((at[i] & 0xc0) != 0x80)
            return 0;
        c = c << 6 | (at[i] & 0x3f);
    }
    // Not too long a form, not a surrogate, within Unicode.
    if (c < low || (c >= 0xd800 && c <= 0xdfff) || c > 0x10ffff)
        return 0;
    return length;
}

// The descriptor that a name such as /dev/stdout, /dev/fd/3 or a link to one
// of them stands for, or -1. Opened by its name, it would be another file's
// start, and replaced, it would lose what was written to it before.
int descriptorNamed(QString path)
{
    static const QRegularExpression named(QStringLiteral("^/(?:dev/fd|proc/self/fd|proc/thread-self/fd)/(\\d{1,6})$"));
    for (int hops = 0; hops < 40; ++hops) {
        path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        if (path == QLatin1String("/dev/stdout"))
            return STDOUT_FILENO;
        if (path == QLatin1String("/dev/stderr"))
            return STDERR_FILENO;
        if (const auto match = named.match(path); match.hasMatch())
            return match.captured(1).toInt();
        char target[PATH_MAX];
        const ssize_t n = ::readlink(encoded(path).constData(), target, sizeof target);
        if (n <= 0 || n == ssize_t(sizeof target))
            return -1;
        const QString next = fileNameText(QByteArray(target, n));
        path = QDir::isAbsolutePath(next) ? next : QFileInfo(path).absolutePath() + QLatin1Char('/') + next;
    }
    return -1;
}

// A device, a pipe or a socket, written where it is.
QString writeSpecial(const QByteArray &path, const struct stat &st, const QByteArray &bytes)
{
    // Without waiting for a reader: a pipe nobody reads is refused at once.
    Descriptor fd(::open(path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENXIO && S_ISFIFO(st.st_mode))
            return QCoreApplication::translate("toolkit", "no program reads from that pipe");
        if (errno == ENXIO && S_ISSOCK(st.st_mode))
            return QCoreApplication::translate("toolkit", "it is a socket, not a file");
        return writeProblem(errno);
    }
    // Once open, a full pipe or a slow terminal is waited for.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (QString problem = writeToDescriptor(fd.get(), bytes); !problem.isEmpty())
        return problem;
    return fd.close() ? QString() : writeProblem(errno);
}

// The temporary files being written now, by any thread: a signal that ends
// the program (Ctrl+C, a shutdown, a closed terminal) removes them first.
// Plain memory and unlink() only, as a signal handler may use.
class Temporaries
{
public:
    static constexpr int places = 16;

    // Registers `path`; the slot it took, or -1 when every slot is taken.
    int add(const QByteArray &path)
    {
        if (path.size() >= PATH_MAX)
            return -1;
        for (int i = 0; i < places; ++i) {
            int expected = unused;
            if (!m_state[i].compare_exchange_strong(expected, filling))
                continue;
            std::memcpy(m_paths[i], path.constData(), std::size_t(path.size()) + 1);
            m_state[i].store(ready);
            return i;
        }
        return -1;
    }
    void remove(int slot)
    {
        if (slot >= 0)
            m_state[slot].store(unused);
    }

private:
    enum { unused, filling, ready };

    static void removeAndEnd(int signal)
    {
        Temporaries &all = instance();
        for (int i = 0; i < places; ++i)
            if (all.m_state[i].load() == ready)
                ::unlink(all.m_paths[i]);
        // Then the signal does what it did before: it ends the program, or
        // goes to the handler that was there first.
        for (const Previous &p : previous())
            if (p.signal == signal)
                ::sigaction(signal, &p.action, nullptr);
        ::raise(signal);
    }

    struct Previous
    {
        int signal;
        struct sigaction action;
    };
    // Filled once, before any handler of ours is installed.
    static std::vector<Previous> &previous()
    {
        static std::vector<Previous> before;
        return before;
    }

public:
    // Installs the handlers, once, before the first temporary file is made.
    static void watchSignals()
    {
        static std::once_flag once;
        std::call_once(once, [] {
            previous().reserve(3);
            for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
                struct sigaction before{};
                // A signal the program was started to ignore stays ignored.
                if (::sigaction(signal, nullptr, &before) != 0 || before.sa_handler == SIG_IGN)
                    continue;
                previous().push_back({signal, before});
                struct sigaction action{};
                action.sa_handler = removeAndEnd;
                sigemptyset(&action.sa_mask);
                ::sigaction(signal, &action, nullptr);
            }
        });
    }

    static Temporaries &instance()
    {
        static Temporaries all;
        return all;
    }

private:
    std::atomic<int> m_state[places]{};
    char m_paths[places][PATH_MAX]{};
};

constexpr char temporaryPrefix[] = ".spotsim-";
constexpr char temporarySuffix[] = ".part";

// Removes from `folder` the temporary files nobody writes: those a program
// that crashed, or was killed, left. A writer holds a lock on its own for as
// long as it writes.
void removeStaleTemporaries(const QByteArray &folder)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(temporaryPrefix) || !name.ends_with(temporarySuffix))
            continue;
        const QByteArray path = folder + '/' + QByteArray(name.data(), qsizetype(name.size()));
        const Descriptor fd(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat held{}, named{};
        if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.get(), &held) != 0
            || !S_ISREG(held.st_mode))
            continue;
        // Still the file that was locked, under that name.
        if (::lstat(path.constData(), &named) == 0 && named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            ::unlink(path.constData());
    }
    ::closedir(dir);
}

// A regular file: a temporary one beside it, on the disk, then renamed over it.
QString writeRegular(const QByteArray &path, const struct stat *existing, const QByteArray &bytes)
{
    QByteArray target = path;
    if (existing) {
        // A link keeps pointing at the file it named, which is the one replaced.
        if (char *real = ::realpath(path.constData(), nullptr)) {
            target = real;
            std::free(real);
        }
        // Read-only stays read-only, for the owner too; root may write anyway.
        if (::access(target.constData(), W_OK) != 0)
            return writeProblem(errno);
    }
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);

    removeStaleTemporaries(folder);
    Temporaries::watchSignals();
    // A short name of its own, whatever the length of the file's: hidden,
    // never one that is there already, and locked until it has its real
    // name, through a descriptor of its own, so that no other save takes it
    // for one a crash left.
    QByteArray temporary;
    Descriptor fd, lock;
    struct Registered
    {
        int slot = -1;
        ~Registered() { Temporaries::instance().remove(slot); }
    } registered;
    for (int attempt = 0; attempt < 100 && fd.get() < 0; ++attempt) {
        temporary = folder + '/' + temporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate(), 16)
                    + temporarySuffix;
        // Known before it exists: a signal never leaves it behind.
        registered.slot = Temporaries::instance().add(temporary);
        // Mode 0666 less the umask, as any new file; an old file's own mode below.
        fd.reset(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        const int error = errno;
        if (fd.get() < 0) {
            Temporaries::instance().remove(std::exchange(registered.slot, -1));
            if (error != EEXIST)
                return writeProblem(error);
            continue;
        }
        lock.reset(::open(temporary.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat written{}, named{};
        if (lock.get() >= 0 && ::flock(lock.get(), LOCK_EX) == 0 && ::fstat(fd.get(), &written) == 0
            && ::lstat(temporary.constData(), &named) == 0 && named.st_ino == written.st_ino
            && named.st_dev == written.st_dev)
            break;
        // Taken away as stale before it was locked: the name is not ours.
        Temporaries::instance().remove(std::exchange(registered.slot, -1));
        fd.reset(-1);
        lock.reset(-1);
    }
    if (fd.get() < 0)
        return writeProblem(EEXIST);
    auto fail = [&](int error) {
        ::unlink(temporary.constData());
        return writeProblem(error);
    };
    if (existing) {
        ::fchmod(fd.get(), existing->st_mode & 07777);
        // Saved over by root, a student's file stays the student's; anyone
        // else cannot give a file away, and it becomes theirs.
        if (::fchown(fd.get(), existing->st_uid, existing->st_gid) != 0)
            errno = 0;
    }
    if (QString problem = writeToDescriptor(fd.get(), bytes); !problem.isEmpty()) {
        ::unlink(temporary.constData());
        return problem;
    }
    // The bytes reach the disk before the name does: a full disk or a failing
    // one is known here, while the old file is still whole.
    if (::fsync(fd.get()) != 0 || !fd.close())
        return fail(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    // And the new name itself, as far as the file system lets a folder be
    // flushed.
    if (const Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir.get() >= 0)
        ::fsync(dir.get());
    return QString();
}

} // namespace

QString fileNameText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    qsizetype start = 0; // of the valid bytes not yet decoded
    for (qsizetype i = 0; i < bytes.size();) {
        if (const int length = validSequence(data + i, bytes.size() - i); length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + start, i - start);
        text += QChar(char16_t(escapedByte + data[i]));
        start = ++i;
    }
    text += QString::fromUtf8(bytes.constData() + start, bytes.size() - start);
    return text;
}

QByteArray fileNameBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype start = 0; // of the text not yet written
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool escaped = c >= escapedByte + 0x80 && c <= escapedByte + 0xff
                             && (i == 0 || !text[i - 1].isHighSurrogate());
        if (!escaped)
            continue;
        bytes += QStringView(text).sliced(start, i - start).toUtf8();
        bytes += char(c - escapedByte);
        start = i + 1;
    }
    bytes += QStringView(text).sliced(start).toUtf8();
    return bytes;
}

QString writeProblem(int error)
{
    switch (error) {
    case ENOSPC: return QCoreApplication::translate("toolkit", "no space left on the disk");
    case EDQUOT: return QCoreApplication::translate("toolkit", "the disk quota is used up");
    case EFBIG: return QCoreApplication::translate("toolkit", "the file is too large for the disk");
    case EACCES:
    case EPERM: return QCoreApplication::translate("toolkit", "no permission to write there");
    case EROFS: return QCoreApplication::translate("toolkit", "the disk is read-only");
    case EISDIR: return QCoreApplication::translate("toolkit", "it is a folder");
    case ENOENT:
    case ENOTDIR: return QCoreApplication::translate("toolkit", "no such folder");
    case ENAMETOOLONG: return QCoreApplication::translate("toolkit", "the name is too long");
    case ELOOP: return QCoreApplication::translate("toolkit", "too many symbolic links");
    case EPIPE: return QCoreApplication::translate("toolkit", "the reader closed the pipe");
    case EBADF: return QCoreApplication::translate("toolkit", "it is closed");
    case EIO: return QCoreApplication::translate("toolkit", "the disk reported an input/output error");
    default: break;
    }
    QString text = QString::fromStdString(std::generic_category().message(error));
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

QString writeToDescriptor(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(std::min<qsizetype>(left, 1 << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return writeProblem(errno);
        if (n == 0)
            return writeProblem(EIO);
        data += n;
        left -= n;
    }
    return QString();
}

QString writeWhole(const QString &file, const QByteArray &bytes)
{
    if (file.isEmpty())
        return QCoreApplication::translate("toolkit", "no file name");
    if (const int fd = descriptorNamed(file); fd >= 0)
        return writeToDescriptor(fd, bytes);
    const QByteArray path = encoded(file);
    struct stat st{};
    if (::stat(path.constData(), &st) != 0) {
        if (errno != ENOENT)
            return writeProblem(errno);
        return writeRegular(path, nullptr, bytes);
    }
    if (S_ISDIR(st.st_mode))
        return writeProblem(EISDIR);
    if (!S_ISREG(st.st_mode))
        return writeSpecial(path, st, bytes);
    return writeRegular(path, &st, bytes);
}

} // namespace toolkit

#include "platform/ZipArchive.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>
#include <zip.h>

namespace {

// The description, leaving the system's cause of it in errno.
QString describe(zip_t* archive)
{
    zip_error_t* failure = zip_get_error(archive);
    errno = zip_error_system_type(failure) == ZIP_ET_SYS ? zip_error_code_system(failure) : 0;
    return QString::fromUtf8(zip_strerror(archive));
}

zip_t* open(const QString& path, int flags, QString* error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (!archive) {
        // zip_open() leaves the system's cause in errno.
        const int cause = errno;
        zip_error_t failure;
        zip_error_init_with_code(&failure, code);
        if (error)
            *error = QString::fromUtf8(zip_error_strerror(&failure));
        const bool fromSystem = zip_error_system_type(&failure) == ZIP_ET_SYS;
        zip_error_fini(&failure);
        errno = fromSystem ? cause : 0;
    }
    return archive;
}

} // namespace

namespace ZipArchive {

bool write(const QString& path, const QList<Entry>& entries, QString* error)
{
    zip_t* archive = open(path, ZIP_CREATE | ZIP_TRUNCATE, error);
    if (!archive)
        return false;
    for (const Entry& entry : entries) {
        const QByteArray name = entry.name.toUtf8();
        zip_int64_t added = -1;
        if (name.endsWith('/')) {
            added = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            // The entries outlive zip_close(), which is when libzip reads the buffers.
            zip_source_t* source = zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
            if (source) {
                added = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
                if (added < 0)
                    zip_source_free(source);
            }
        }
        if (added >= 0 && (entry.mode != 0 || entry.symlink)) {
            const zip_uint32_t type = entry.symlink ? S_IFLNK : name.endsWith('/') ? S_IFDIR : S_IFREG;
            if (zip_file_set_external_attributes(archive, zip_uint64_t(added), 0, ZIP_OPSYS_UNIX,
                                                 (type | (entry.mode & 07777)) << 16)
                != 0)
                added = -1;
        }
        if (added < 0) {
            const QString why = describe(archive);
            const int cause = errno;
            if (error)
                *error = why;
            zip_discard(archive);
            errno = cause;
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        const QString why = describe(archive);
        const int cause = errno;
        if (error)
            *error = why;
        zip_discard(archive);
        errno = cause;
        return false;
    }
    return true;
}

std::optional<QList<Entry>> read(const QString& path, QString* error, const Limits& limits)
{
    zip_t* archive = open(path, ZIP_RDONLY | ZIP_CHECKCONS, error);
    if (!archive)
        return std::nullopt;
    QList<Entry> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    // What the directory declares is what zip_fread() gives at most.
    const auto refuse = [&](const QString& why) {
        if (error)
            *error = why;
        zip_discard(archive);
        return std::nullopt;
    };
    if (count > limits.entries)
        return refuse(QStringLiteral("the archive holds %1 entries, more than %2").arg(count).arg(limits.entries));
    zip_uint64_t total = 0;
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
            total += stat.size;
        if (total > zip_uint64_t(limits.bytes))
            return refuse(QStringLiteral("the archive unpacks to more than %1 bytes").arg(limits.bytes));
    }
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)
            || !(stat.valid & ZIP_STAT_SIZE)) {
            if (error)
                *error = describe(archive);
            zip_discard(archive);
            return std::nullopt;
        }
        Entry entry;
        entry.name = QString::fromUtf8(stat.name);
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(archive, zip_uint64_t(index), 0, &system, &attributes) == 0
            && system == ZIP_OPSYS_UNIX) {
            entry.mode = (attributes >> 16) & 07777;
            entry.symlink = ((attributes >> 16) & S_IFMT) == S_IFLNK;
        }
        if (!entry.name.endsWith(QLatin1Char('/'))) {
            entry.bytes.resize(qsizetype(stat.size));
            zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(index), 0);
            const zip_int64_t got = file ? zip_fread(file, entry.bytes.data(), stat.size) : -1;
            if (file)
                zip_fclose(file);
            if (got < 0 || zip_uint64_t(got) != stat.size) {
                if (error)
                    *error = describe(archive);
                zip_discard(archive);
                return std::nullopt;
            }
        }
        entries.append(entry);
    }
    zip_discard(archive);
    return entries;
}

} // namespace ZipArchive

#include "platform/ZipArchive.h"

#include <QFile>

#include <zip.h>

namespace {

QString describe(zip_t* archive)
{
    return QString::fromUtf8(zip_strerror(archive));
}

} // namespace

namespace ZipArchive {

bool write(const QString& path, const QList<Entry>& entries, QString* error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t failure;
        zip_error_init_with_code(&failure, code);
        if (error)
            *error = QString::fromUtf8(zip_error_strerror(&failure));
        zip_error_fini(&failure);
        return false;
    }
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
        if (added < 0) {
            if (error)
                *error = describe(archive);
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        if (error)
            *error = describe(archive);
        zip_discard(archive);
        return false;
    }
    return true;
}

} // namespace ZipArchive

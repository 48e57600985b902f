#include "toolkit/SaveDialog.h"

#include "toolkit/Language.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace toolkit {

namespace {

// The dialog's file list with its size, kind and date columns in Greek.
class GreekColumns final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!files || role != Qt::DisplayRole || index.column() < 1 || index.column() > 3)
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        const QLocale greek(QLocale::Greek, QLocale::Greece);
        switch (index.column()) {
        case 1:
            return info.isDir() ? QString() : greek.formattedDataSize(info.size());
        case 2:
            return info.isDir() ? QCoreApplication::translate("toolkit", "Folder")
                                : QCoreApplication::translate("toolkit", "%1 file").arg(info.suffix().toUpper());
        default:
            return greek.toString(info.lastModified(), QLocale::ShortFormat);
        }
    }
};

} // namespace

std::unique_ptr<QFileDialog> greekSaveDialog(QWidget &parent, const QString &title, const QString &suggested,
                                             const QString &filters)
{
    if (languageInUse() != Language::Greek)
        return nullptr;
    auto dialog = std::make_unique<QFileDialog>(&parent, title, suggested, filters);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    dialog->setProxyModel(new GreekColumns(dialog.get()));
    return dialog;
}

QString askSaveFileName(QWidget &parent, const QString &title, const QString &suggested, const QString &filters,
                        QString *chosen)
{
    const auto dialog = greekSaveDialog(parent, title, suggested, filters);
    if (!dialog)
        return QFileDialog::getSaveFileName(&parent, title, suggested, filters, chosen);
    if (chosen && !chosen->isEmpty())
        dialog->selectNameFilter(*chosen);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    if (chosen)
        *chosen = dialog->selectedNameFilter();
    return dialog->selectedFiles().constFirst();
}

} // namespace toolkit

#include "framework/localized.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

#include "framework/installed.h"

namespace fw {

namespace {

constexpr const char* kContext = "Quarvel";

// Parented to the application object, so they go with it; the pointers then read null.
QPointer<QTranslator>& Installed() {
  static QPointer<QTranslator> translator;
  return translator;
}
QPointer<QTranslator>& InstalledForQt() {
  static QPointer<QTranslator> translator;
  return translator;
}

bool IsBuiltIn(const QString& language) {
  const QString base = language.section(u'_', 0, 0).toLower();
  return base == QLatin1String("en") || base == QLatin1String("c") || base == QLatin1String("posix");
}

// quarvel_de_CH.qm, quarvel_de_ch.qm, quarvel_de.qm: the language as given and in lower case,
// then shorter by one subtag at a time.
QString FindFile(const QString& folder, const QString& prefix, QString language) {
  for (;;) {
    for (const QString& name : {language, language.toLower()}) {
      const QString path = folder + u'/' + prefix + name + QStringLiteral(".qm");
      if (QFileInfo(path).isFile()) return path;
    }
    const qsizetype cut = language.lastIndexOf(u'_');
    if (cut <= 0) return {};
    language.truncate(cut);
  }
}

// A build tree keeps the translations beside the program; an installed program has none there
// and finds them in its data folder.
QString TranslationsFolder() {
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
  if (QFileInfo(beside).isDir()) return beside;
  return InstalledDataFolder() + QStringLiteral("/quarvel/translations");
}

QTranslator* Install(const QString& path) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || !QFileInfo(path).isFile()) return nullptr;
  auto* translator = new QTranslator(app);
  if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

// Qt's own texts in the program's language: shortcut names ("Strg+Q"), the buttons of message
// boxes, the context menu of text fields. Without Qt's file they stay English.
void InstallQtTranslation(const QString& language) {
  const QString path =
      FindFile(QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("qtbase_"), language);
  if (!path.isEmpty()) InstalledForQt() = Install(path);
}

}  // namespace

String _GetLocalizedString(const String& key, const String& englishDefault) {
  // Without a translation, translate() hands back the source text, which is the key.
  QString text = QCoreApplication::translate(kContext, key.c_str());
  if (text.isEmpty() || text == QString::fromStdString(key)) return englishDefault;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  text.replace(u'\n', u'\r');
  return text.toStdString();
}

bool LoadTranslations() {
  if (!QCoreApplication::instance()) return false;
  std::vector<String> languages;
  for (const QString& language : QLocale::system().uiLanguages()) languages.push_back(language.toStdString());
  return LoadTranslations(TranslationsFolder().toStdString(), languages);
}

bool LoadTranslations(const String& folder, const std::vector<String>& languages) {
  for (const String& tag : languages) {
    const QString language = QString::fromStdString(tag).replace(u'-', u'_');
    if (language.isEmpty()) continue;
    if (IsBuiltIn(language)) break;
    const QString path = FindFile(QString::fromStdString(folder), QStringLiteral("quarvel_"), language);
    if (path.isEmpty()) continue;
    if (!LoadTranslationFile(path.toStdString())) return false;
    InstallQtTranslation(language);
    return true;
  }
  UnloadTranslations();
  return false;
}

bool LoadTranslationFile(const String& path) {
  UnloadTranslations();
  Installed() = Install(QString::fromStdString(path));
  return !Installed().isNull();
}

void UnloadTranslations() {
  for (QPointer<QTranslator>* translator : {&Installed(), &InstalledForQt()}) {
    delete translator->data();
    *translator = nullptr;
  }
}

}  // namespace fw

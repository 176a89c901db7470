#include "app/qt/InstanciaUnica.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

namespace kaldoren {
namespace {

TEST(InstanciaUnica, RefusesASecondCopyWhileTheFirstRunsAndAcceptsOneAfterIt) {
  QTemporaryDir carpeta;
  {
    InstanciaUnica primera(carpeta.path());
    InstanciaUnica segunda(carpeta.path());
    ASSERT_TRUE(primera.Tomar());
    EXPECT_FALSE(segunda.Tomar());
  }
  InstanciaUnica nueva(carpeta.path());
  EXPECT_TRUE(nueva.Tomar());
}

TEST(InstanciaUnica, TakesOverTheLockOfACopyThatCrashed) {
  QTemporaryDir carpeta;
  // A process that is gone: a child that ended at once.
  const pid_t hijo = fork();
  if (hijo == 0) _exit(0);
  ASSERT_GT(hijo, 0);
  waitpid(hijo, nullptr, 0);
  QFile cerrojo(carpeta.filePath(QStringLiteral("control-kaldoren20.lock")));
  ASSERT_TRUE(cerrojo.open(QIODevice::WriteOnly));
  cerrojo.write(QByteArray::number(hijo) + '\n' + QCoreApplication::applicationName().toUtf8() +
                '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
  cerrojo.close();

  InstanciaUnica nueva(carpeta.path());
  EXPECT_TRUE(nueva.Tomar());
}

}  // namespace
}  // namespace kaldoren

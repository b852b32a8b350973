#!/usr/bin/env bash
# Makes the Windows Installer package of a Windows build with Debian's wixl: the build installed
# into a stage, its files listed by wixl-heat, and data/windows/collatz.wxs around them.
#   make_msi.sh <Windows build folder> <version> <package.msi>
# The version is the package's own, so that a test can make an earlier one from the same build.
# wixl writes the database in a code page without Japanese, leaving such texts empty: the package
# is then set to the Japanese code page (932), as a Japanese Windows reads it, and given its
# Japanese texts with msibuild.
set -euo pipefail
build=$(realpath "$1") version=$2 package=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl takes files by paths relative to its sources': everything sits in the work folder.
cmake --install "$build" --prefix "$work/stage" --strip >/dev/null
cp "$here/../../data/windows/collatz.wxs" "$build/data/collatz.ico" "$work/"
cd "$work"
# Deepest files first: Wine's Windows Installer removes a package's folders in the order of their
# components, each once, so that a folder listed before its subfolders would stay behind.
find stage -type f | awk -F/ '{ print NF "\t" $0 }' | LC_ALL=C sort -k1,1nr -k2 | cut -f2 |
    wixl-heat -p stage/ --component-group ProgramFiles --var var.Stage --directory-ref INSTALLDIR --win64 >files.wxs
wixl -a x64 -D Version="$version" -D Stage=stage -D Win64=yes -D Icon=collatz.ico -o package.msi collatz.wxs files.wxs

name=コラッツの問題
printf '\r\n\r\n932\t_ForceCodepage\r\n' >_ForceCodepage.idt
msibuild package.msi -i _ForceCodepage.idt
msibuild package.msi -q "UPDATE Property SET Value = '$name' WHERE Property = 'ProductName'"
msibuild package.msi -q "UPDATE Shortcut SET Name = 'COLLATZ|$name' WHERE Shortcut = 'MenuEntry'"
msibuild package.msi -q "UPDATE LaunchCondition SET Description = 'このコンピューターには、より新しい版の${name}が入っています。' WHERE Condition = 'NOT WIX_DOWNGRADE_DETECTED'"
# The NSIS installer's copy lives in the same folder: one of the two at a time, so that neither
# leaves a second copy nor takes files from under the other's uninstaller.
msibuild package.msi -q "INSERT INTO LaunchCondition (Condition, Description) VALUES ('Installed OR NOT NSISCOPY', '${name}は、インストーラー（setup.exe）で入れたものがすでにあります。先にそれをアンインストールしてください。')"
mv package.msi "$package"

#!/usr/bin/env bash
# Builds the Debian package and proves it works: validates the desktop entry and the AppStream
# metadata, installs the package with apt, checks every installed file, starts the installed
# program offscreen, has it read a song's tag under X, and checks that a local user can write
# the jukebox database the program finds in its own folder. The package is removed at the end,
# also when a check fails.
# Needs root (or sudo); safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${VELMORA_PACKAGE_BUILD_DIR:-build-package}
app_id=org.velmora.Versetta
prefix=/usr
program_dir=$prefix/libexec/velmora-versetta
db_dir=/var/lib/velmora-versetta
db=$db_dir/Velmora81.mdb

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

step() { echo "package-check: $*"; }
fail() {
  echo "package-check: FAILED: $*" >&2
  exit 1
}
# Shows a command's saved output when it failed, so CI logs say why.
run_logged() {
  local what=$1
  shift
  if ! "$@" >"$tmp/log" 2>&1 </dev/null; then
    cat "$tmp/log" >&2
    fail "$what"
  fi
}
as_user() { $sudo runuser -u nobody -- "$@"; }
checks=0
check() {
  local what=$1
  shift
  "$@" || fail "$what"
  checks=$((checks + 1))
}

tmp=$(mktemp -d)
# apt reads a local package as its own unprivileged user, and the program runs as nobody.
chmod 755 "$tmp"
installed_here=false
# A database that was there before the check is somebody's: only remove, never purge then.
db_dir_existed=false
[ -e "$db_dir" ] && db_dir_existed=true

remove_package() {
  local action=purge
  $db_dir_existed && action=remove
  $sudo apt-get "$action" -y -q velmora-versetta >"$tmp/remove.log" 2>&1 </dev/null
}
cleanup() {
  if $installed_here; then
    remove_package || cat "$tmp/remove.log" >&2
  fi
  $sudo rm -rf "$tmp"
}
trap cleanup EXIT

scripts/install-deps.sh

step "validating the desktop entry and the AppStream metadata"
run_logged "desktop-file-validate rejects packaging/$app_id.desktop" \
  desktop-file-validate "packaging/$app_id.desktop"
run_logged "appstreamcli rejects packaging/$app_id.metainfo.xml" \
  appstreamcli validate --no-net "packaging/$app_id.metainfo.xml"

step "building the package in $build_dir"
run_logged "cannot configure $build_dir" \
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF
run_logged "the build failed" cmake --build "$build_dir" -j"$(nproc)"
rm -f "$build_dir"/velmora-versetta_*.deb
run_logged "cpack failed" sh -c "cd '$build_dir' && cpack -G DEB"
debs=("$build_dir"/velmora-versetta_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "cpack made no velmora-versetta_*.deb"
fi
deb=$tmp/$(basename "${debs[0]}")
cp "${debs[0]}" "$deb"
chmod 644 "$deb"
step "built $(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"

contents=$(dpkg-deb -c "$deb")
check "the package lacks velmora-dbsetup (is tools/ building it?)" \
  grep -q " \./usr/bin/velmora-dbsetup$" <<<"$contents"
check "the package lacks velmora-lyrics (is tools/ building it?)" \
  grep -q " \./usr/bin/velmora-lyrics$" <<<"$contents"
depends=$(dpkg-deb -f "$deb" Depends)
# Computed from the binaries and the media module, except the first and the data packages.
for dependency in libqt6sql6-sqlite libmpv libavformat libavcodec libswresample libtag \
  libqt6widgets6 libpocketsphinx libsphinxbase libespeak-ng libaubio pocketsphinx-en-us \
  espeak-ng-data; do
  check "the package does not depend on $dependency" grep -q "$dependency" <<<"$depends"
done

if dpkg-query -W -f='${Status}' velmora-versetta 2>/dev/null | grep -q 'install ok installed'; then
  step "removing the velmora-versetta installed before this check"
  run_logged "cannot remove the installed velmora-versetta" \
    $sudo apt-get remove -y -q velmora-versetta
fi

step "installing $(basename "$deb")"
installed_here=true
run_logged "apt-get cannot install $deb" $sudo apt-get install -y -q "$deb"

step "checking the installed files"
check "$program_dir/velmora-versetta is not an executable" test -x "$program_dir/velmora-versetta"
check "$prefix/bin/velmora-versetta is not a relative symlink to the program" \
  test "$(readlink "$prefix/bin/velmora-versetta")" = ../libexec/velmora-versetta/velmora-versetta
check "$prefix/bin/velmora-versetta does not lead to the program" \
  test "$(readlink -f "$prefix/bin/velmora-versetta")" = "$program_dir/velmora-versetta"
check "$prefix/bin/velmora-dbsetup is not an executable" test -x "$prefix/bin/velmora-dbsetup"
module=$(dpkg -L velmora-versetta | grep '/velmora-versetta/velmora-media\.so$' || true)
check "the package holds no media module velmora-media.so" test -n "$module"
for library in libmpv libavcodec libpocketsphinx libespeak-ng libaubio; do
  check "$module does not link $library" grep -q "NEEDED.*\[$library" <<<"$(readelf -d "$module")"
done
check "$program_dir/velmora-versetta links libmpv; it should come with the module" \
  sh -c "! readelf -d '$program_dir/velmora-versetta' | grep -q libmpv"
check "$prefix/bin/velmora-lyrics --help does not run" "$prefix/bin/velmora-lyrics" --help >/dev/null
check "$program_dir/Velmora81.mdb is not a symlink to $db" \
  test "$(readlink "$program_dir/Velmora81.mdb")" = "$db"
for file in "share/applications/$app_id.desktop" "share/icons/hicolor/scalable/apps/$app_id.svg" \
  "share/metainfo/$app_id.metainfo.xml" share/doc/velmora-versetta/copyright; do
  check "$prefix/$file is missing" test -s "$prefix/$file"
done
check "the installed desktop entry does not open a song by its path" \
  grep -qx 'Exec=velmora-versetta %f' "$prefix/share/applications/$app_id.desktop"

step "checking the jukebox database"
check "$db was not created" test -f "$db"
check "$db_dir is not open to every user (mode $(stat -c %a "$db_dir"))" \
  test "$(stat -c %a "$db_dir")" = 1777
check "$db is not writable by every user (mode $(stat -c %a "$db"))" \
  test "$(stat -c %a "$db")" = 666
check "$db has no Lyrics table" \
  test "$(sqlite3 "$db" "SELECT name FROM sqlite_master WHERE type='table' AND name='Lyrics'")" = Lyrics
check "the Lyrics table's columns are wrong" \
  test "$(sqlite3 "$db" "SELECT group_concat(name, ',') FROM pragma_table_info('Lyrics')")" = \
  LineNumber,FileName,TimeMarker,LyricLine

# The program looks for the database in its own folder, the real folder of its executable.
program_folder=$(dirname "$(readlink -f "$prefix/bin/velmora-versetta")")
seen="file:$program_folder/Velmora81.mdb?mode=rw"
check "a user can write in $program_folder; the check below would prove nothing" \
  as_user sh -c "! test -w '$program_folder'"
# The user cannot write the program's folder, so the journal must go beside the real file.
run_logged "a local user cannot write the database through $program_folder/Velmora81.mdb" \
  as_user sqlite3 "$seen" \
  "INSERT INTO Lyrics VALUES (1, 'package-check.mp3', 0, 'a line kept across a reinstall');"
check "a journal was left in $program_folder" test ! -e "$program_folder/Velmora81.mdb-journal"

step "reinstalling: the database must stay as it is"
run_logged "apt-get cannot reinstall $deb" $sudo apt-get install -y -q --reinstall "$deb"
check "the reinstall replaced the database" \
  test "$(as_user sqlite3 "$seen" "SELECT count(*) FROM Lyrics WHERE FileName = 'package-check.mp3'")" = 1
run_logged "a local user cannot delete from the Lyrics table" \
  as_user sqlite3 "$seen" "DELETE FROM Lyrics WHERE FileName = 'package-check.mp3';"

step "starting the installed program offscreen as a local user"
songs=$tmp/songs
mkdir "$songs"
cp tests/data/tone-3s.mp3 "$songs/Test Song.mp3"
chmod -R a+rwX "$songs"
# Qt wants a private runtime folder; this one goes away with the temporary folder.
mkdir -m 700 "$tmp/runtime"
$sudo chown nobody "$tmp/runtime"
set +e
as_user env HOME="$songs" XDG_RUNTIME_DIR="$tmp/runtime" PATH=/usr/bin:/bin \
  QT_QPA_PLATFORM=offscreen VELMORA_AUDIO_OUTPUT=null \
  timeout 5 velmora-versetta "$songs/Test Song.mp3" >"$tmp/program.log" 2>&1 </dev/null
status=$?
set -e
if [ "$status" -ne 124 ]; then
  cat "$tmp/program.log" >&2
  fail "the installed program ended with status $status instead of running until stopped"
fi
checks=$((checks + 1))
if grep -q "media module" "$tmp/program.log"; then
  cat "$tmp/program.log" >&2
  fail "the installed program did not find its media module"
fi
checks=$((checks + 1))

step "reading a song's tag with the installed program under X as a local user"
# A song whose only lyrics are in its tag: Play, a mark, Stop and Save write them to Song.xml.
tagged=$songs/Tagged.mp3
cp tests/data/tone-3s.mp3 "$tagged"
mid3v2 --USLT "A line from the tag" "$tagged" >/dev/null
chmod a+rw "$tagged"
as_user env HOME="$songs" XDG_RUNTIME_DIR="$tmp/runtime" PATH=/usr/bin:/bin \
  QT_QPA_PLATFORM=xcb VELMORA_AUDIO_OUTPUT=null \
  timeout 60 xvfb-run -a sh -c 'velmora-versetta "$1" & pid=$!
    xdotool search --sync --onlyvisible --name "^Velmora Versetta$" windowfocus --sync \
      key ctrl+p space ctrl+period ctrl+s
    for i in $(seq 300); do [ -s "$2" ] && break; sleep 0.1; done
    kill $pid' sh "$tagged" "$songs/Tagged.xml" >"$tmp/program.log" 2>&1 </dev/null || true
if ! grep -q "<LyricLine>A line from the tag</LyricLine>" "$songs/Tagged.xml" 2>/dev/null; then
  cat "$tmp/program.log" >&2
  fail "the installed program did not read the lyrics in the tag of $tagged"
fi
checks=$((checks + 1))

step "removing the package"
installed_here=false
remove_package || {
  cat "$tmp/remove.log" >&2
  fail "apt-get cannot remove velmora-versetta"
}
check "$prefix/bin/velmora-versetta is still there after the removal" \
  test ! -e "$prefix/bin/velmora-versetta" -a ! -L "$prefix/bin/velmora-versetta"
check "$program_dir is still there after the removal" test ! -e "$program_dir"
if ! $db_dir_existed; then
  check "the purge left $db_dir behind" test ! -e "$db_dir"
fi

step "OK: $(basename "$deb") built, installed, started and removed; $checks checks passed"

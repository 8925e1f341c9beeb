#!/usr/bin/env bash
# Idle cost of TamoTime next to the least Qt clock (one QLabel set from the clock every second).
# Builds both in Release, runs them side by side on one Xvfb display and prints, on its last
# line, CPU milliseconds per minute and resident memory of each, and their ratios.
#   bench/idle.sh            60 seconds measured after a 10-second settling time
#   IDLE_SECONDS=30 bench/idle.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=${IDLE_BUILD_DIR:-$source_dir/build-release}
seconds=${IDLE_SECONDS:-60}
settle=10

work=$(mktemp -d /tmp/tamo-idle.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

echo "Building TamoTime (Release) in $build_dir" >&2
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAMO_BUILD_TESTS=OFF -DTAMO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target TamoTime -j2 >/dev/null

echo "Building the least clock in $work/least" >&2
mkdir -p "$work/least"
cat >"$work/least/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.21)
project(LeastClock LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(leastclock main.cpp)
target_link_libraries(leastclock PRIVATE Qt6::Widgets)
EOF
cat >"$work/least/main.cpp" <<'EOF'
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label;
    // A Japanese clock text, so both programs load the same kind of font.
    const auto tick = [&label] {
        label.setText(QDateTime::currentDateTime().toString(QStringLiteral("M月d日 hh時mm分ss秒")));
    };
    tick();
    label.resize(300, 40);
    label.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, tick);
    timer.start(1000);
    return app.exec();
}
EOF
cmake -S "$work/least" -B "$work/least/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/least/build" >/dev/null

# TamoTime keeps its data files beside itself: give it a fresh copy of the shipped ones.
mkdir -p "$work/tamo"
cp "$build_dir/TamoTime" "$work/tamo/"
cp "$source_dir"/data/{TAMOtime.INI,kakugen.txt,holiday.txt,schedule.dat,memo.dat} "$work/tamo/"

display=99
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=":$display" LANG=${LANG:-ja_JP.UTF-8}
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

(cd "$work/tamo" && exec ./TamoTime) >/dev/null 2>&1 &
tamo=$!
pids+=($tamo)
"$work/least/build/leastclock" >/dev/null 2>&1 &
least=$!
pids+=($least)

# CPU time in nanoseconds of all the process's threads: the scheduler's own account where the
# kernel keeps it (exact), else user + system clock ticks (10 ms steps).
ticks=$(getconf CLK_TCK)
cpu_ns() {
  if [ -r "/proc/$1/schedstat" ]; then
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f\n", sum }'
  else
    awk -v hz="$ticks" '{ printf "%.0f\n", ($14 + $15) * 1e9 / hz }' "/proc/$1/stat"
  fi
}
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

sleep "$settle"
for pid in $tamo $least; do
  kill -0 "$pid" 2>/dev/null || { echo "a program ended early" >&2; exit 1; }
done
tamo_start=$(cpu_ns $tamo)
least_start=$(cpu_ns $least)
sleep "$seconds"
tamo_cpu=$(($(cpu_ns $tamo) - tamo_start))
least_cpu=$(($(cpu_ns $least) - least_start))
tamo_rss=$(rss_kib $tamo)
least_rss=$(rss_kib $least)

# TamoTime closes on SIGTERM through its own close sequence.
kill -TERM $tamo $least
wait $tamo 2>/dev/null || true
wait $least 2>/dev/null || true

awk -v tc="$tamo_cpu" -v lc="$least_cpu" -v tr="$tamo_rss" -v lr="$least_rss" -v s="$seconds" 'BEGIN {
  tms = tc / 1e6 * 60 / s; lms = lc / 1e6 * 60 / s;
  printf "TamoTime %.1f ms CPU/min, %.1f MiB RSS; least clock %.1f ms CPU/min, %.1f MiB RSS; ratio CPU %.2f, RSS %.2f (goal <= 1.5)\n",
    tms, tr / 1024, lms, lr / 1024, (lms > 0 ? tms / lms : 0), tr / lr
}'

#pragma once

// What the benchmarks share: whether windows can be made (a display was
// found and the application is running), the toolkit's pending work, and
// small courses written into a temporary directory.

#include <benchmark/benchmark.h>
#include <string>
#include <wx/string.h>

/// True once the application object runs on a display.
bool Bench_Has_Display();
void Bench_Set_Display(bool has_display);

/// For benchmarks that make windows: false, and the benchmark is reported
/// as skipped, when there is no display.
bool Bench_Need_Display(benchmark::State& state);

/// Lets the toolkit deliver pending events and deferred deletions.
void Bench_Process_Events();

/// A course of themes generated into a directory: a root theme and
/// chapters of up to nine themes below it, count themes in all, each with a
/// short content page and a task page.
void Write_Generated_Course(const wxString& dir, const wxString& theme_file, int count);

/// A glossary file of count entries, most of them sharing pages by their
/// initial letter, every 500th with a page of its own.
std::string Generated_Glossary(int count);

#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The browser's figures for bench/README.md, in one run.

Usage: measure_web.py [WEB_BUILD] [NATIVE_BUILD] [RUNS]    (build/web, build/default, 7)

WEB_BUILD must hold the benchmarks' programs too (see bench/README.md). Prints the sizes, the
first frame of the program and of the minimal Qt Widgets program in headless Chromium (same page,
same loader, alternating), the redraw passes in the browser and natively, and the page's memory.
"""
import gzip
import os
import pathlib
import re
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tests' / 'web'))
from browser_test import Server, start_chromium  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402


def page_for(web, program):
    """The site's page, without its service worker, starting program instead of falorys."""
    page = (web / 'index.html').read_text(encoding='utf-8')
    page = page.replace("navigator.serviceWorker.register('sw.js')", 'Promise.resolve()')
    size = (web / (program + '.wasm')).stat().st_size
    page = re.sub(r"falorysFetchWasm\('falorys.wasm', \d+\)",
                  "falorysFetchWasm('%s.wasm', %d)" % (program, size), page)
    page = page.replace('src="falorys.js"', 'src="%s.js"' % program)
    name = 'bench-%s.html' % program
    (web / name).write_text(page, encoding='utf-8')
    return name


def wait_for(browser, script, timeout=120):
    return WebDriverWait(browser, timeout).until(lambda b: b.execute_script(script))


def main():
    web = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else 'build/web')
    native = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else 'build/default')
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7

    wasm = (web / 'falorys.wasm').read_bytes()
    print('falorys.wasm %d B, gzip -9 %d B; falorys.js %d B; falorys.html %d B' % (
        len(wasm), len(gzip.compress(wasm, 9)), (web / 'falorys.js').stat().st_size,
        (web / 'falorys.html').stat().st_size))

    server = Server(web)
    browser = start_chromium(pathlib.Path(tempfile.mkdtemp(prefix='falorys-bench-')) / 'profile')
    try:
        first = {'falorys': [], 'falorys_startup_fixture': []}
        pages = {program: page_for(web, program) for program in first}
        for _ in range(runs + 1):  # the first round only warms the HTTP cache
            for program, times in first.items():
                browser.get(server.url + pages[program])
                times.append(wait_for(
                    browser, 'const m = performance.getEntriesByName("falorys-first-frame");'
                    'return m.length && m[0].startTime') / 1000)
        for program, times in first.items():
            print('first frame %s: median %.3f s (%s)' % (
                program, statistics.median(times[1:]), ', '.join('%.2f' % t for t in times[1:])))

        browser.get(server.url + pages['falorys'])
        wait_for(browser, 'return window.falorysModule && performance.getEntriesByName('
                 '"falorys-first-frame").length')
        heap = browser.execute_script('return falorysModule.HEAP8.length')
        browser.execute_cdp_cmd('Performance.enable', {})
        metrics = {m['name']: m['value'] for m in
                   browser.execute_cdp_cmd('Performance.getMetrics', {})['metrics']}
        print('memory: WebAssembly memory %.1f MiB, JavaScript heap used %.1f MiB' % (
            heap / 2**20, metrics.get('JSHeapUsedSize', 0) / 2**20))

        browser.get(server.url + page_for(web, 'falorys_redraw_timing'))
        browser_lines = wait_for(browser, 'return falorysOutput.length >= 2 && falorysOutput',
                                 timeout=600)
    finally:
        browser.quit()
        server.stop()
    native_lines = subprocess.run(
        [str(native / 'bench' / 'falorys_redraw_timing')], check=True, capture_output=True,
        text=True, env={**os.environ, 'QT_QPA_PLATFORM': 'offscreen'}).stdout.splitlines()
    for label, lines in (('browser', browser_lines), ('native', native_lines)):
        print('%s: %s' % (label, '; '.join(lines)))


if __name__ == '__main__':
    main()

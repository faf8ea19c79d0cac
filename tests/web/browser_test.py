#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The browser's Falorys in Debian's headless Chromium, driven by Selenium.

Usage: browser_test.py SITE_DIR LINUX_PROGRAM [OUTPUT_DIR]

Serves SITE_DIR (build/web) on 127.0.0.1, runs every registered check and compares the client
area with LINUX_PROGRAM's --export-png. Screenshots go to OUTPUT_DIR. Checks register with
@check; program_checks.py beside this file adds its own the same way.
"""
import functools
import http.server
import io
import math
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import traceback

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

CLIENT = (632, 434)
# Client rectangles of the scroll bars, in the order the Tab key visits them.
BARS = {'lambda': (440, 181, 168, 17), 'd': (440, 226, 168, 17), 'L': (440, 271, 168, 17),
        'a': (440, 316, 168, 17)}
# The option group, whose focused item Qt's style frames and highlights.
OPTIONS = (448, 24, 137, 73)
CHECKS = []


def check(function):
    """Registers a check: a function taking the Session."""
    CHECKS.append(function)
    return function


class Server:
    """The site on 127.0.0.1 at a free port, in a thread; stop() takes it away."""

    def __init__(self, root):
        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              '.wasm': 'application/wasm',
                              '.webmanifest': 'application/manifest+json'}

            def log_message(self, *args):
                pass

        handler = functools.partial(Handler, directory=str(root))
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = 'http://127.0.0.1:%d/' % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Session:
    """What the checks share: the site, the Linux program, the browser and its helpers."""

    def __init__(self, site, program, output):
        self.site, self.program, self.output = site, program, output
        self.server = Server(site)
        self.browser = None

    def start_browser(self, mobile=None, ratio=1, flags=(), zoom=1):
        if self.browser:
            self.browser.quit()
        self.browser = start_chromium(self.output / 'profile', mobile, ratio, flags, zoom)
        # The screen's own with the browser's zoom: the page tells Qt a ratio of its choosing.
        self.ratio = (mobile['deviceMetrics']['pixelRatio'] if mobile else ratio) * zoom
        return self.browser

    def open(self, url, timeout=90):
        """Loads url and waits for the program's first frame; returns the seconds it took."""
        self.browser.get(url)
        WebDriverWait(self.browser, timeout).until(
            lambda b: b.execute_script('return document.documentElement.dataset.falorys') in
            ('running', 'ended') or b.execute_script(
                'return !document.getElementById("message").hidden'))
        state = self.browser.execute_script('return document.documentElement.dataset.falorys')
        text = self.browser.execute_script('return document.getElementById("message").textContent')
        assert state == 'running', 'the program did not start: %r' % text
        assert not self.browser.find_elements('id', 'loading'), 'the loading indicator stayed'
        return self.browser.execute_script(
            'return performance.getEntriesByName("falorys-first-frame")[0].startTime') / 1000

    def screenshot(self, name):
        image = Image.open(io.BytesIO(self.browser.get_screenshot_as_png())).convert('RGB')
        image.save(self.output / (name + '.png'))
        return image

    def client_rect(self):
        """The client area's left, top and whole pixel ratio, in screenshot pixels: the stage
        shows the window, so the client area is its bottom 434 rows of Qt's device pixels."""
        left, bottom, scale, width = self.browser.execute_script(
            'const r = document.getElementById("stage").getBoundingClientRect();'
            'return [r.left, r.bottom, visualViewport.scale,'
            '        document.getElementById("qtcanvas").width];')
        ratio, whole = self.ratio * scale, round(width / CLIENT[0])
        return round(left * ratio), round(bottom * ratio) - CLIENT[1] * whole, whole

    def client_point(self, x, y):
        """The client pixel (x, y) in the page's CSS pixels, from the viewport's top left."""
        rect = self.browser.execute_script(
            'return document.getElementById("stage").getBoundingClientRect()')
        scale = rect['width'] / CLIENT[0]
        return (int(rect['left'] + (x + 0.5) * scale),
                int(rect['bottom'] - (CLIENT[1] - y - 0.5) * scale))

    def client_area(self, name):
        """The client area from a screenshot, at the program's whole pixel ratio."""
        shot = self.screenshot(name)
        left, top, ratio = self.client_rect()
        return shot.crop((left, top, left + CLIENT[0] * ratio, top + CLIENT[1] * ratio))

    def export(self, name, *options):
        """The Linux program's picture of the setting given by its command-line options."""
        path = self.output / ('linux-%s.png' % name)
        # Under the locale the Polish browser gives the page: the readouts' decimal comma.
        subprocess.run([self.program, *options, '--export-png', str(path)], check=True,
                       env={**os.environ, 'QT_QPA_PLATFORM': 'offscreen',
                            'LC_ALL': 'pl_PL.UTF-8'}, timeout=60)
        return Image.open(path).convert('RGB')

    def click_client(self, x, y, rest=True, button='click', to=None):
        """A click at the client pixel (x, y), or a drag from it along its row in steps to the
        column `to`; the pointer then rests on an empty corner, so that nothing stays lit by its
        hovering (not where the click ends the program or opens a menu)."""
        actions = ActionBuilder(self.browser)
        pointer = actions.pointer_action.move_to_location(*self.client_point(x, y))
        if to:
            pointer.pointer_down()
            for step in range(1, 9):
                pointer.move_to_location(*self.client_point(x + (to - x) * step // 8, y))
            button = 'pointer_up'
        getattr(pointer, button)()
        if rest:
            actions.pointer_action.move_to_location(*self.client_point(620, 425))
        actions.perform()

    def keys(self, *keys):
        ActionChains(self.browser).send_keys(*keys).perform()

    def expect_client(self, name, options, focus=None, pictures_only=False):
        """The client area equals the Linux export, each pixel a whole block of the browser's
        pixel ratio, but for the focus frames, which the export has not: the outline of every
        scroll bar (whichever has the focus) and the option group when focus is 'options'. Or
        only its pictures (the graph, the strip, the diagram and the spectrum bar), where Qt's
        style draws the controls anew at the higher ratio."""
        time.sleep(0.3)
        actual = self.client_area(name)
        ratio = actual.width // CLIENT[0]
        expected = self.export(name, *options)
        expected = expected.resize((CLIENT[0] * ratio, CLIENT[1] * ratio), Image.NEAREST)
        keep = Image.new('L', actual.size, 0)
        if pictures_only:
            for x, y, w, h in ((0, 0, 420, CLIENT[1]), (439, 159, 169, 21)):
                keep.paste(255, (x * ratio, y * ratio, (x + w) * ratio, (y + h) * ratio))
        else:
            keep.paste(255, (0, 0, *actual.size))
            for x, y, w, h in BARS.values():
                keep.paste(0, (x * ratio, y * ratio, (x + w) * ratio, (y + h) * ratio))
                keep.paste(255, ((x + 1) * ratio, (y + 1) * ratio, (x + w - 1) * ratio,
                                 (y + h - 1) * ratio))
            if focus == 'options':
                x, y, w, h = OPTIONS
                keep.paste(0, (x * ratio, y * ratio, (x + w) * ratio, (y + h) * ratio))
        blank = Image.new('RGB', actual.size)
        actual = Image.composite(actual, blank, keep)
        expected = Image.composite(expected, blank, keep)
        count = differing(actual, expected)
        if count:
            ImageChops.difference(actual, expected).save(self.output / (name + '-diff.png'))
        assert count == 0, '%s: %d pixels differ from the Linux export' % (name, count)

    def close(self):
        if self.browser:
            self.browser.quit()
        self.server.stop()


def differing(a, b):
    """The number of pixels in which two RGB pictures of one size differ."""
    mask = ImageChops.difference(a, b).convert('L').point(lambda v: 255 if v else 0)
    return mask.histogram()[255]


def start_chromium(profile, mobile=None, ratio=1, flags=(), zoom=1):
    """Debian's chromium, headless, in a fresh profile, its pages zoomed to zoom; a missing
    browser is an error."""
    for tool in ('/usr/bin/chromium', '/usr/bin/chromedriver'):
        if not os.access(tool, os.X_OK):
            raise RuntimeError('%s is missing: install chromium and chromium-driver' % tool)
    shutil.rmtree(profile, ignore_errors=True)
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    # WebGL comes from SwiftShader, Chromium's software renderer; --disable-gpu would remove it.
    for flag in ('--headless=new', '--no-sandbox', '--use-angle=swiftshader',
                 '--enable-unsafe-swiftshader', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update',
                 '--disable-sync', '--disable-dev-shm-usage', '--window-size=900,700',
                 # Nothing but the test's own server: a link the program opens goes nowhere.
                 '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1',
                 '--force-device-scale-factor=%g' % ratio, '--user-data-dir=%s' % profile, *flags):
        options.add_argument(flag)
    # A browser that asks pages for Polish, as the Linux tests' desktop speaks it.
    options.add_argument('--lang=pl')
    # The browser's zoom is stored as a level whose power of 1.2 is the zoom.
    options.add_experimental_option('prefs', {
        'intl.accept_languages': 'pl',
        'partition': {'default_zoom_level': {'x': math.log(zoom, 1.2)}}})
    if mobile:
        options.add_experimental_option('mobileEmulation', mobile)
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


@check
def site_reaches_first_frame_and_draws_as_linux(s):
    s.start_browser()
    seconds = s.open(s.server.url)
    print('  first frame %.2f s after navigation' % seconds)
    s.expect_client('default', [])
    # By keys: the Tab order is the wavelength, separation, distance, option group, width.
    s.click_client(300, 20)
    s.keys(Keys.END)
    s.expect_client('lambda-end', ['--lambda', '760'])
    s.keys(Keys.TAB, Keys.END, Keys.TAB, Keys.END, Keys.TAB, Keys.DOWN)
    largest = ['--lambda', '760', '--d', '0.040', '--L', '2.00']
    s.expect_client('a-small', [*largest, '--a-small'], focus='options')
    s.keys(Keys.UP, Keys.TAB, Keys.END)
    largest += ['--a', '10000']
    s.expect_client('all-end', largest)
    # By a click on the wavelength bar's left arrow.
    s.click_client(BARS['lambda'][0] + 6, BARS['lambda'][1] + 8)
    largest[1] = '759'
    s.expect_client('lambda-arrow', largest)


# The browser's zoom and the screen's pixel ratio (device pixels per CSS pixel), each with the
# whole ratio the program draws at: between whole ratios the next whole one, shown pixel for
# pixel. 100 % is the first check's; a whole zoom looks to the page as the same screen ratio.
ZOOMS = ((1.25, 1, 2), (1.5, 1, 2), (1.75, 1, 2), (2.5, 1, 3), (1, 2, 2), (1, 3, 3))


@check
def whole_blocks_and_pointer_at_every_zoom(s):
    for zoom, ratio, whole in ZOOMS:
        name = 'zoom-%g-ratio-%g' % (zoom, ratio)
        # Room for the window at the whole ratio and the browser's bars, in the browser
        # window's own pixels.
        size = 632 * whole / ratio + 200, 458 * whole / ratio + 300
        s.start_browser(ratio=ratio, zoom=zoom, flags=['--window-size=%d,%d' % size])
        s.open(s.server.url)
        assert s.client_rect()[2] == whole, '%s not drawn at %d' % (name, whole)
        s.expect_client(name, [], pictures_only=True)
        if zoom * ratio == whole:
            continue
        # Between whole ratios the canvas is stretched: a click on the wavelength's right arrow
        # and a drag of the distance's thumb by 40 pixels land as at 100 % (1.68 m).
        x, y, w, h = BARS['lambda']
        s.click_client(x + w - 6, y + h // 2)
        x, y, w, h = BARS['L']
        s.click_client(x + 25, y + h // 2, to=x + 65)
        s.expect_client(name + '-dragged', ['--lambda', '381', '--L', '1.68'], pictures_only=True)


@check
def browser_without_webgl_gets_one_sentence(s):
    s.start_browser(flags=['--disable-3d-apis'])
    s.browser.get(s.server.url)
    text = s.browser.find_element('id', 'message').text
    assert 'WebGL' in text and text.count('.') == 1, 'instead of the program: %r' % text
    assert not s.browser.find_element('id', 'stage').is_displayed()


@check
def site_installs_reloads_offline_and_single_file_opens_without_server(s):
    s.start_browser()
    s.open(s.server.url)
    errors = s.browser.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors']
    assert not errors, 'Chromium would not install the site as an app: %r' % errors
    # Kept once the worker has stored the files and controls the page.
    s.browser.set_script_timeout(120)
    s.browser.execute_async_script(
        'const done = arguments[arguments.length - 1];'
        'navigator.serviceWorker.ready.then(() => navigator.serviceWorker.controller ? done() :'
        '    navigator.serviceWorker.addEventListener("controllerchange", () => done()));')
    s.server.stop()
    s.open(s.server.url)
    s.expect_client('offline', [])
    s.open((s.site / 'falorys.html').resolve().as_uri())
    s.expect_client('single-file', [])


@check
def phone_fits_and_answers_touch(s):
    s.start_browser({'deviceMetrics': {'width': 360, 'height': 800, 'pixelRatio': 3.0,
                                       'touch': True, 'mobile': True}})
    s.open(s.server.url)
    scale, right = s.browser.execute_script(
        'return [visualViewport.scale, document.getElementById("stage")'
        '.getBoundingClientRect().right]')
    assert right * scale <= 360, 'the window ends at %.1f of a 360 pixel screen' % (right * scale)
    before = s.screenshot('phone')
    # Qt's dark desktop shows where the window has been pushed off its place in the canvas.
    left, top, ratio = s.client_rect()
    corner = before.crop((left, top - 24 * ratio, left + 10, top - 24 * ratio + 10))
    assert (51, 51, 51) not in corner.getdata(), "Qt's desktop shows above or beside the window"
    # A tap on the wavelength bar's right arrow.
    x, y, w, _ = BARS['lambda']
    point = dict(zip('xy', s.client_point(x + w - 6, y + 8)))
    for kind, points in (('touchStart', [point]), ('touchEnd', [])):
        s.browser.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': points})
    time.sleep(0.5)
    s.expect_client('phone-tapped', ['--lambda', '381'], pictures_only=True)


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    site, program = pathlib.Path(sys.argv[1]), sys.argv[2]
    output = pathlib.Path(sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix='web-'))
    output.mkdir(parents=True, exist_ok=True)
    sys.path.insert(0, str(pathlib.Path(__file__).parent))
    # program_checks.py says "from browser_test import check, Session": this module, not a copy.
    sys.modules.setdefault('browser_test', sys.modules[__name__])
    try:
        import program_checks  # noqa: F401  (registers the program's own checks)
    except ModuleNotFoundError as error:
        if error.name != 'program_checks':
            raise
    failures = 0
    for function in CHECKS:
        print('%s ...' % function.__name__, flush=True)
        session = Session(site, program, output)
        try:
            function(session)
            print('  ok')
        except Exception:  # each check reports and the next one runs
            failures += 1
            traceback.print_exc()
            print('  FAILED')
        finally:
            session.close()
    print('%d of %d browser checks failed; screenshots in %s' % (failures, len(CHECKS), output))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())

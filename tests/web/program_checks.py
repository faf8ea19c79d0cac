# SPDX-License-Identifier: MIT
"""The program's own checks in the browser, registered with browser_test.py's @check."""
import csv
import io
import os
import subprocess
import time

from browser_test import BARS, CLIENT, check, differing
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

# The menu bar's titles, in client coordinates (the bar lies above the client area), and the
# link in the description's window.
KONIEC, POMOC, LINK = (25, -12), (90, -12), (150, 358)


def right_click(s, x, y):
    s.click_client(x, y, rest=False, button='context_click')


def long_press(s, x, y):
    """A finger held still on the client pixel (x, y), as a touch screen sends it."""
    point = dict(zip('xy', s.client_point(x, y)))
    s.browser.execute_cdp_cmd('Input.dispatchTouchEvent',
                              {'type': 'touchStart', 'touchPoints': [point]})
    time.sleep(1.5)
    s.browser.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})


def menu_item(s, downs):
    """Chooses the open menu's entry `downs` steps down from its top."""
    time.sleep(0.3)
    s.keys(*[Keys.DOWN] * downs, Keys.ENTER)
    time.sleep(0.5)


def opened_over(s, name, before, box):
    """Something was drawn over the client rectangle `box` (left, top, right, bottom)."""
    time.sleep(0.5)
    shot = s.client_area(name)
    assert differing(shot.crop(box), before.crop(box)) > 0, '%s: nothing opened' % name


def link_opens_in_a_tab_of_its_own(s):
    program = s.browser.current_window_handle
    s.click_client(*LINK)
    WebDriverWait(s.browser, 10).until(lambda b: len(b.window_handles) == 2)
    s.browser.switch_to.window(next(h for h in s.browser.window_handles if h != program))
    address = s.browser.current_url
    s.browser.switch_to.window(program)
    assert address == 'https://pl.wikipedia.org/wiki/Dyfrakcja', 'the tab shows %r' % address


def start_at(s, query=''):
    s.start_browser()
    s.open(s.server.url + query)
    return s.client_area('start' + query.replace('&', '-').replace('?', '-'))


def notice(s):
    return s.browser.execute_script(
        'const n = document.getElementById("notice"); return n.hidden ? "" : n.textContent')


@check
def address_opens_settings_names_what_it_leaves_out_and_the_menu_copies_the_link(s):
    # The setting's own forms (a comma, fewer decimals) and the named option; a parameter out
    # of range or unknown is named on the notice line while the others apply.
    for number, (query, options, named) in enumerate((
            ('?lambda=520&d=0.030&L=1.80&a-small',
             ['--lambda', '520', '--d', '0.030', '--L', '1.80', '--a-small'], ()),
            ('?lambda=900&d=0.030&x=1', ['--d', '0.030'],
             ('lambda=900', 'poza zakresem', 'od 380 do 760 nm', '„x=1”')),
            ('?lambda=380&d=0,020&L=1.5&a=10000&lang=uk', ['--a', '10000', '--lang', 'uk'],
             ()))):
        start_at(s, query)
        s.expect_client('address-%d' % number, options, focus=['lambda'])
        text = notice(s)
        assert all(part in text for part in named) and bool(text) == bool(named), (query, text)
    s.browser.execute_cdp_cmd('Browser.grantPermissions', {
        'origin': s.server.url.rstrip('/'),
        'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
    right_click(s, 180, 300)
    menu_item(s, 4)
    copied = s.browser.execute_async_script(
        'navigator.clipboard.readText().then(arguments[0], e => arguments[0]("" + e))')
    assert copied == s.server.url + '?lambda=380&d=0.020&L=1.50&a=10000&lang=uk', copied


@check
def context_menu_opens_by_right_click_and_long_press(s):
    before = start_at(s)
    right_click(s, 100, 300)
    opened_over(s, 'menu-right-click', before, (100, 300, 200, 360))
    s.keys(Keys.ESCAPE)
    s.expect_client('menu-closed', [], focus=['lambda'])
    long_press(s, 100, 300)
    opened_over(s, 'menu-long-press', before, (100, 300, 200, 360))
    s.keys(Keys.ESCAPE)
    # A scroll bar's own menu is a popup too (Qt's runs a loop of its own, which hangs the
    # page): it opens, closes, and the page still answers.
    x, y, w, h = BARS['L']
    right_click(s, x + w // 2, y + h // 2)
    opened_over(s, 'scroll-bar-menu', before, (0, 0) + CLIENT)
    s.keys(Keys.ESCAPE)
    x, y, w, h = BARS['lambda']
    s.click_client(x + w - 6, y + h // 2)
    s.expect_client('after-menus', ['--lambda', '381'], focus=['lambda'])


@check
def save_data_downloads_the_linux_csv(s):
    options = ['--lambda', '650', '--d', '0.030', '--L', '1.80', '--a', '5000']
    start_at(s, '?lambda=650&d=0.030&L=1.80&a=5000')
    (folder := s.output / 'downloads').mkdir(exist_ok=True)
    s.browser.execute_cdp_cmd('Browser.setDownloadBehavior',
                              {'behavior': 'allow', 'downloadPath': str(folder)})
    right_click(s, 180, 300)
    menu_item(s, 3)
    path = folder / 'falorys-650nm-d0.030mm-L1.80m-a5000nm.csv'
    WebDriverWait(s.browser, 30).until(lambda b: path.exists())
    linux = folder / 'linux.csv'
    subprocess.run([s.program, *options, '--export-csv', str(linux)], check=True,
                   env={**os.environ, 'QT_QPA_PLATFORM': 'offscreen'}, timeout=60)
    browser_rows = list(csv.reader(io.StringIO(path.read_text(encoding='utf-8'))))
    linux_rows = list(csv.reader(io.StringIO(linux.read_text(encoding='utf-8'))))
    assert browser_rows[0] == linux_rows[0] and len(browser_rows) == len(linux_rows) == 362
    # The browser's long double is binary128, not x87's: the last bits may differ.
    for got, want in zip(browser_rows[1:], linux_rows[1:]):
        assert got[0] == want[0] and got[2:] == want[2:], (got, want)
        a, b = float(got[1]), float(want[1])
        assert abs(a - b) <= 1e-15 * max(abs(a), abs(b)), (got, want)


@check
def dialogs_open_and_close_the_link_opens_a_tab_and_koniec_ends_the_program(s):
    before = start_at(s)
    for name, downs in (('description', 1), ('about', 2)):
        s.click_client(*POMOC)
        menu_item(s, downs)
        time.sleep(1)
        assert differing(s.client_area(name + '-open'), before) > 1000, name + ' did not open'
        if name == 'description':
            link_opens_in_a_tab_of_its_own(s)
        s.keys(Keys.ESCAPE)
        s.expect_client(name + '-closed', [], focus=['lambda'])
    # The page still answers: the wavelength's right arrow.
    x, y, w, h = BARS['lambda']
    s.click_client(x + w - 6, y + h // 2)
    s.expect_client('after-dialogs', ['--lambda', '381'], focus=['lambda'])
    s.click_client(*KONIEC, rest=False)
    WebDriverWait(s.browser, 10).until(
        lambda b: b.execute_script('return document.documentElement.dataset.falorys') == 'ended')
    text = s.browser.execute_script('return document.getElementById("message").textContent')
    assert 'zakończył' in text and 'odśwież' in text, text
    s.screenshot('ended')

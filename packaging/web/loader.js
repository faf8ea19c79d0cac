// The page's side of the browser's Falorys: what the program needs from the browser, the
// loading indicator until the first frame, the canvas sized to the program's window in whole
// device pixels, and the two functions the program calls (falorysNotice, falorysEnded).
'use strict';
(function () {
    // The program's window: a 632 x 434 client area under the menu bar. Qt's screen in the
    // browser is the canvas, so a canvas of this size in Qt's pixels holds the window exactly,
    // at the top left.
    const windowWidth = 632;
    const windowHeight = 434 + 24;

    const stage = document.getElementById('stage');
    const canvas = document.getElementById('qtcanvas');
    const loading = document.getElementById('loading');
    const message = document.getElementById('message');
    const notice = document.getElementById('notice');
    let finished = false;
    window.falorysOutput = [];

    // The page's words in the program's language: the address's lang, else the first of the
    // browser's languages that the program speaks, else Polish, as the program itself chooses.
    const words = {
        pl: {
            loading: 'Wczytywanie…',
            failed: 'Nie udało się uruchomić Falorysa ({0}). Odśwież stronę, aby spróbować ' +
                    'ponownie.',
            unsupported: 'Ta przeglądarka nie uruchomi Falorysa, bo nie obsługuje WebAssembly ' +
                         'lub WebGL; otwórz tę stronę w aktualnej wersji Chrome, Edge, ' +
                         'Firefoksa lub Safari.',
            ended: 'Falorys zakończył pracę. Aby uruchomić go ponownie, odśwież stronę.',
            code: 'kod {0}',
        },
        uk: {
            loading: 'Завантаження…',
            failed: 'Не вдалося запустити Falorys ({0}). Оновіть сторінку, щоб спробувати ще ' +
                    'раз.',
            unsupported: 'Цей браузер не запустить Falorys, бо не підтримує WebAssembly або ' +
                         'WebGL; відкрийте цю сторінку в актуальній версії Chrome, Edge, ' +
                         'Firefox або Safari.',
            ended: 'Falorys завершив роботу. Щоб запустити його знову, оновіть сторінку.',
            code: 'код {0}',
        },
        en: {
            loading: 'Loading…',
            failed: 'Falorys could not start ({0}). Reload the page to try again.',
            unsupported: 'This browser cannot run Falorys: it lacks WebAssembly or WebGL; open ' +
                         'this page in a current Chrome, Edge, Firefox or Safari.',
            ended: 'Falorys has ended. To start it again, reload the page.',
            code: 'code {0}',
        },
    };
    function pageLanguage() {
        const asked = new URLSearchParams(location.search).get('lang');
        const wanted = [asked || ''].concat(asked && words[asked.toLowerCase()] ? []
                                                      : Array.from(navigator.languages || []));
        for (const name of wanted) {
            const language = String(name).toLowerCase().split(/[-_]/)[0];
            if (words[language])
                return language;
        }
        return 'pl';
    }
    const language = pageLanguage();
    const say = function (what, value) { return words[language][what].replace('{0}', value); };
    document.documentElement.lang = language;

    function showMessage(text) {
        finished = true;
        stage.hidden = true;
        notice.hidden = true;
        message.textContent = text;
        message.hidden = false;
        document.documentElement.dataset.falorys = 'ended';
    }

    // One line above the program; an empty text hides it.
    window.falorysNotice = function (text) {
        notice.textContent = text || '';
        notice.hidden = !text;
        alignStage();
    };
    // The program has ended: its line takes the program's place.
    window.falorysEnded = function (text) {
        showMessage(text);
    };

    function webGLAvailable() {
        try {
            const probe = document.createElement('canvas');
            return !!(window.WebGLRenderingContext &&
                      (probe.getContext('webgl') || probe.getContext('experimental-webgl')));
        } catch (e) {
            return false;
        }
    }

    function setProgress(fraction) {
        const percent = Math.floor(Math.min(1, Math.max(0, fraction)) * 100);
        loading.textContent = say('loading') + ' ' + percent + ' %';
        loading.setAttribute('aria-valuenow', String(percent));
    }

    // The first frame is the first drawing call on the canvas's WebGL context, shown at the
    // next animation frame; until then the indicator covers the canvas, which must stay laid
    // out for Qt to measure it.
    function watchFirstFrame() {
        const getContext = canvas.getContext.bind(canvas);
        let drawn = false;
        const onDraw = function () {
            if (drawn)
                return;
            drawn = true;
            requestAnimationFrame(function () {
                loading.remove();
                performance.mark('falorys-first-frame');
                if (!finished)
                    document.documentElement.dataset.falorys = 'running';
            });
        };
        canvas.getContext = function (type, attributes) {
            const context = getContext(type, attributes);
            if (context && /webgl/.test(type) && !context.falorysWatched) {
                context.falorysWatched = true;
                for (const name of ['drawArrays', 'drawElements']) {
                    const draw = context[name];
                    context[name] = function () {
                        onDraw();
                        return draw.apply(context, arguments);
                    };
                }
            }
            return context;
        };
    }

    // Qt draws at the browser's pixel ratio (device pixels per CSS pixel, zoom included), and
    // the browser resamples the canvas unless each of Qt's device pixels is one of the
    // screen's. So the program draws at a whole ratio, the browser's rounded up, on a canvas
    // of the window's size (Qt's screen then holds just the window, or Qt shows its frame)
    // stretched onto a stage of exactly the window's device pixels: the whole ratio in Qt's
    // own pixels and the stretch in the browser's are both exact, whatever the zoom. (Qt 6.4's
    // own scale factor cannot serve: it takes the mouse only where the window's native pixels
    // are within its logical size, so a factor above 1 leaves the right and bottom deaf.)
    let pixelRatio = 1;
    function chooseWholePixels() {
        const viewport = window.visualViewport;
        const zoomedOut = function () { return Math.min(1, viewport ? viewport.scale : 1); };
        pixelRatio = window.devicePixelRatio * zoomedOut();
        const whole = roundedUp(pixelRatio);
        stage.style.width = windowWidth * whole / pixelRatio + 'px';
        stage.style.height = windowHeight * whole / pixelRatio + 'px';
        alignStage();
        Object.defineProperty(window, 'devicePixelRatio', {
            configurable: true,
            get: function () { return whole / zoomedOut(); },
        });
        // The browser puts the canvas's box on whole device pixels before stretching it
        // (458 pixels at 175 % would be 801.5), so the box is the nearest whole number of them
        // and the stretch takes it to the stage. Qt is told the window's size, and gets
        // every position in its pixels.
        const qtSize = [windowWidth, windowHeight];
        const box = qtSize.map(function (length) {
            return Math.max(1, Math.round(length * pixelRatio)) / pixelRatio;
        });
        canvas.style.width = box[0] + 'px';
        canvas.style.height = box[1] + 'px';
        canvas.style.transformOrigin = '0 0';
        canvas.style.transform = 'scale(' + qtSize[0] * whole / (box[0] * pixelRatio) + ', ' +
                                 qtSize[1] * whole / (box[1] * pixelRatio) + ')';
        // Qt measures the canvas with getBoundingClientRect, stretch included.
        const boundingRect = HTMLElement.prototype.getBoundingClientRect;
        canvas.getBoundingClientRect = function () {
            const rect = boundingRect.call(this);
            return new DOMRect(rect.x, rect.y, qtSize[0], qtSize[1]);
        };
        // Qt reads the mouse's position in the canvas's box (offsetX), and a touch's and the
        // wheel's in the page from the canvas's corner (clientX): both are put in Qt's pixels
        // before it reads them, each point once (a touch is listed in touches and in
        // changedTouches).
        const inQtPixels = new WeakSet();
        const toQtPixels = function (point) {
            if (inQtPixels.has(point))
                return;
            inQtPixels.add(point);
            const rect = boundingRect.call(canvas);
            const value = function (number) { return { configurable: true, value: number }; };
            const fields = {
                clientX: value(rect.left + (point.clientX - rect.left) * qtSize[0] / rect.width),
                clientY: value(rect.top + (point.clientY - rect.top) * qtSize[1] / rect.height),
            };
            if ('offsetX' in point) {
                fields.offsetX = value(point.offsetX * qtSize[0] / box[0]);
                fields.offsetY = value(point.offsetY * qtSize[1] / box[1]);
            }
            Object.defineProperties(point, fields);
        };
        const onCanvas = function (event) {
            if (event.target !== canvas)
                return;
            if (!event.touches)
                toQtPixels(event);
            else
                Array.from(event.touches).concat(Array.from(event.changedTouches))
                    .forEach(toQtPixels);
        };
        for (const name of ['pointerdown', 'pointermove', 'pointerup', 'pointerenter',
                            'pointerleave', 'wheel', 'touchstart', 'touchmove', 'touchend',
                            'touchcancel'])
            window.addEventListener(name, onCanvas, { capture: true, passive: true });
    }

    // The page's room beside and the notice line above move the canvas: it is put back on
    // whole device pixels, centred, whenever they change.
    function alignStage() {
        stage.style.margin = '0';
        const rect = stage.getBoundingClientRect();
        const top = rect.top + window.scrollY;
        const free = Math.max(0, document.documentElement.clientWidth - rect.width) / 2;
        stage.style.marginLeft = Math.floor(free * pixelRatio) / pixelRatio + 'px';
        stage.style.marginTop = Math.ceil(top * pixelRatio) / pixelRatio - top + 'px';
    }
    window.addEventListener('resize', alignStage);

    // Device pixels per CSS pixel rounded up, but for a ratio a hair above a whole one.
    function roundedUp(ratio) {
        return Math.max(1, Math.ceil(ratio - 0.01));
    }

    // A phone too narrow for the window at its rounded-up ratio is zoomed out to the largest
    // whole number of device pixels per CSS pixel that leaves room for the window, at which Qt
    // then draws. The room beside the window is for the frame Qt keeps inside the browser's
    // window: with less, Qt moves the window by the frame's border and title bar, off the
    // canvas. A desktop's browser keeps its own zoom, and the page scrolls.
    const frameRoom = 20;
    function fitNarrowScreen() {
        const ratio = window.devicePixelRatio;
        const screenWidth = window.innerWidth * ratio;
        if ((windowWidth + frameRoom) * roundedUp(ratio) <= screenWidth)
            return;
        const whole = Math.max(1, Math.floor(screenWidth / (windowWidth + frameRoom)));
        const viewport = document.querySelector('meta[name=viewport]');
        if (viewport)
            viewport.setAttribute('content', 'initial-scale=' + whole / ratio);
    }

    function failed(reason) {
        if (!finished)
            showMessage(say('failed', reason));
    }

    // The site's .wasm, counted as it arrives; size is its length in bytes.
    window.falorysFetchWasm = function (url, size) {
        return async function (progress) {
            const response = await fetch(url);
            if (!response.ok)
                throw new Error(url + ': ' + response.status);
            if (!response.body)
                return response.arrayBuffer();
            const reader = response.body.getReader();
            const chunks = [];
            let received = 0;
            for (;;) {
                const { done, value } = await reader.read();
                if (done)
                    break;
                chunks.push(value);
                received += value.length;
                progress(received / size);
            }
            const bytes = new Uint8Array(received);
            let at = 0;
            for (const chunk of chunks) {
                bytes.set(chunk, at);
                at += chunk.length;
            }
            return bytes;
        };
    };

    // The single file's .wasm, held in the page as base64 and decoded in slices, so that the
    // indicator moves and no fetch is needed (a file:// page may not fetch).
    window.falorysEmbeddedWasm = function (elementId) {
        return function (progress) {
            const text = document.getElementById(elementId).textContent.replace(/\s+/g, '');
            const padding = text.endsWith('==') ? 2 : text.endsWith('=') ? 1 : 0;
            const bytes = new Uint8Array(text.length / 4 * 3 - padding);
            const slice = 4 << 18;
            let at = 0;
            return new Promise(function (resolve, reject) {
                function step(start) {
                    try {
                        const binary = atob(text.slice(start, start + slice));
                        for (let i = 0; i < binary.length; ++i)
                            bytes[at++] = binary.charCodeAt(i);
                    } catch (e) {
                        reject(e);
                        return;
                    }
                    progress(at / bytes.length);
                    if (start + slice < text.length)
                        setTimeout(step, 0, start + slice);
                    else
                        resolve(bytes);
                }
                step(0);
            });
        };
    };

    // Starts the program with its .wasm bytes from source (one of the two above).
    window.falorysStart = function (source) {
        if (typeof WebAssembly !== 'object' || !webGLAvailable()) {
            showMessage(say('unsupported'));
            return;
        }
        fitNarrowScreen();
        stage.style.width = windowWidth + 'px';
        stage.style.height = windowHeight + 'px';
        watchFirstFrame();
        setProgress(0);
        const bytes = source(setProgress);
        bytes.catch(function (error) { failed(String(error.message || error)); });
        createQtAppInstance({
            instantiateWasm: function (imports, ready) {
                bytes.then(function (wasm) { return WebAssembly.instantiate(wasm, imports); })
                    .then(function (result) { ready(result.instance, result.module); },
                          function (error) { failed(String(error.message || error)); });
                return {};
            },
            locateFile: function (name) { return name; },
            preRun: [function (module) {
                chooseWholePixels();
                module.qtContainerElements = [canvas];
                module.qtFontDpi = 96;
            }],
            // Kept as well as logged, for the benchmarks and checks that read what it prints.
            print: function (text) {
                console.log(text);
                window.falorysOutput.push(text);
            },
            printErr: function (text) { console.warn(text); },
            onAbort: function (text) { failed(String(text)); },
            quit: function (code, exception) {
                if (code !== 0 || (exception && exception.name !== 'ExitStatus'))
                    failed(exception && exception.name !== 'ExitStatus' ? String(exception)
                                                                          : say('code', code));
                else if (!finished)
                    showMessage(say('ended'));
            },
        }).then(function (module) { window.falorysModule = module; },
                function (error) { failed(String(error.message || error)); });
    };
})();

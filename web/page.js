// Starts Mirtavo in the page at once: shows the loading indicator with the program's download
// progress, runs the program in the canvas, makes the page work offline through its service
// worker, and shows a page of its own when the program has ended or could not start.
(function () {
  "use strict";

  const canvas = document.getElementById("qtcanvas");
  const programBytes = Number(document.body.dataset.programBytes) || 0;

  function showOnly(panelId) {
    for (const id of ["loading", "ended", "failed"]) {
      document.getElementById(id).hidden = id !== panelId;
    }
    // The canvas stays laid out under the panels: the program reads the screen's size from it
    // as it starts.
    canvas.inert = panelId === "ended" || panelId === "failed";
    document.documentElement.dataset.mirtavo = panelId || "running";
  }

  function showProgress(fraction) {
    const percent = Math.min(100, Math.round(fraction * 100));
    document.getElementById("loading-progress").value = percent;
    document.getElementById("loading-text").textContent = `Loading… ${percent} %`;
  }

  function showFailure(text) {
    document.getElementById("failed-text").textContent = String(text || "");
    showOnly("failed");
    keepForOffline();
  }

  // The loader fetches the program itself; its bytes are counted on a copy of the response,
  // for the progress and to tell which build's files the page runs (mirtavoReceived, in bytes
  // by file, whether network or service worker sent them). The loader compiles the response as
  // the server gave it, which is what lets the browser keep the compiled program for the next
  // visit.
  const received = (window.mirtavoReceived = {});
  const fetchResource = window.fetch.bind(window);
  window.fetch = async function (resource, options) {
    const response = await fetchResource(resource, options);
    const name = String(resource).split("/").pop();
    if (/^mirtavo\.(js|wasm)$/.test(name) && response.ok && response.body) {
      count(name, response.clone().body.getReader());
    }
    return response;
  };

  async function count(name, reader) {
    received[name] = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done) {
        return;
      }
      received[name] += value.byteLength;
      if (name.endsWith(".wasm") && programBytes > 0) {
        showProgress(received[name] / programBytes);
      }
    }
  }

  // The service worker keeps this build's files for offline use. A newer build's worker, found
  // as the page loads, is told it may take charge once this page no longer loads (its program
  // runs, or could not start); it takes charge when every page says so, so that no page mixes
  // the files of two builds. A browser without one (or a page opened from a file) runs the
  // program all the same.
  const workers = "serviceWorker" in navigator && window.isSecureContext && navigator.serviceWorker;

  function answerWhetherLoading() {
    if (!workers) {
      return;
    }
    workers.addEventListener("message", (event) => {
      if (event.data === "mirtavo-state" && event.ports[0]) {
        event.ports[0].postMessage(document.documentElement.dataset.mirtavo);
      }
    });
    workers.startMessages();
  }

  function keepForOffline() {
    if (!workers) {
      return;
    }
    const takeChargeOnceInstalled = (worker) => {
      if (!worker) {
        return;
      }
      const ask = () => worker.state === "installed" && worker.postMessage("take-charge");
      worker.addEventListener("statechange", ask);
      ask();
    };
    workers
      .register("service-worker.js")
      .then((registration) => {
        takeChargeOnceInstalled(registration.waiting || registration.installing);
        registration.addEventListener("updatefound", () =>
          takeChargeOnceInstalled(registration.installing),
        );
      })
      .catch((error) => console.info("Mirtavo will not work offline:", error));
  }

  // Starting again looks for a newer build first: one that mends what failed here takes charge
  // before the page loads again (within a few seconds, or the kept build starts again).
  async function startAgain() {
    const registration = workers && (await workers.getRegistration().catch(() => null));
    if (registration) {
      await registration.update().catch(() => {});
      if (registration.installing || registration.waiting) {
        await new Promise((resolve) => {
          workers.addEventListener("controllerchange", resolve);
          setTimeout(resolve, 10000);
        });
      }
    }
    location.reload();
  }

  // Qt asks the browser about the clipboard's permissions as it starts and drops the answer.
  // Safari's engine knows no such permissions and rejects the question, which the browser
  // would report as an error nobody handled; the rejection is taken here instead.
  function answerEveryPermissionQuery() {
    const permissions = navigator.permissions;
    if (!permissions || typeof permissions.query !== "function") {
      return;
    }
    const query = permissions.query.bind(permissions);
    permissions.query = (descriptor) => {
      const answer = query(descriptor);
      answer.catch(() => {});
      return answer;
    };
  }

  // WebKitGTK names the Tab key "Unidentified" while Shift is held (GTK's left tab), and the
  // program knows a key by its name: such a key goes to the program again, named.
  function nameTheTabKey() {
    for (const type of ["keydown", "keyup"]) {
      window.addEventListener(
        type,
        (event) => {
          if (event.key !== "Unidentified" || event.code !== "Tab") {
            return;
          }
          event.stopImmediatePropagation();
          event.preventDefault();
          const { shiftKey, ctrlKey, altKey, metaKey } = event;
          const named = { key: "Tab", code: "Tab", shiftKey, ctrlKey, altKey, metaKey };
          event.target.dispatchEvent(
            new KeyboardEvent(type, { ...named, bubbles: true, cancelable: true, composed: true }),
          );
        },
        true,
      );
    }
  }

  // A phone's screen is narrower than the widest window (the table's, 614 pixels with its
  // frame). There the page is laid out that wide and shown scaled down to the screen, so every
  // window stands whole where the centring rule puts it, and pinch zoom still enlarges it.
  function fitNarrowScreens() {
    const narrowest = 640;
    if (screen.width < narrowest) {
      document.querySelector("meta[name=viewport]").content = `width=${narrowest}`;
    }
  }

  function start() {
    showOnly("loading");
    const loader = QtLoader({
      canvasElements: [canvas],
      showLoader() {},
      showCanvas() {
        showOnly(null);
        canvas.focus();
        keepForOffline();
      },
      showError: showFailure,
      showExit(crashed) {
        if (crashed) {
          showFailure(loader.exitText);
        }
      },
    });
    loader.loadEmscriptenModule("mirtavo");
  }

  // The program says when it has ended: "End this program", or its last window closed.
  window.addEventListener("mirtavo-ended", () => showOnly("ended"));
  for (const id of ["start-again", "retry"]) {
    document.getElementById(id).addEventListener("click", startAgain);
  }
  canvas.addEventListener("contextmenu", (event) => event.preventDefault());
  answerEveryPermissionQuery();
  answerWhetherLoading();
  nameTheTabKey();
  fitNarrowScreens();

  start();
})();

// Starts Mirtavo in the page: shows the loading indicator with the program's download progress,
// makes the page work offline through its service worker, runs the program in the canvas, and
// shows a page of its own when the program has ended or could not start.
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
  }

  // The loader fetches the program itself; its bytes are counted on their way through.
  const fetchResource = window.fetch.bind(window);
  window.fetch = async function (resource, options) {
    const response = await fetchResource(resource, options);
    if (!String(resource).endsWith(".wasm") || !response.ok || !response.body) {
      return response;
    }
    const reader = response.body.getReader();
    let received = 0;
    const counted = new ReadableStream({
      async pull(controller) {
        const { done, value } = await reader.read();
        if (done) {
          controller.close();
          return;
        }
        received += value.byteLength;
        if (programBytes > 0) {
          showProgress(received / programBytes);
        }
        controller.enqueue(value);
      },
    });
    return new Response(counted, { status: response.status, headers: response.headers });
  };

  // Once the service worker controls the page, every file the program loads is kept for
  // offline use. A browser without one (or a page opened from a file) still runs the program.
  async function offlineReady() {
    if (!("serviceWorker" in navigator) || !window.isSecureContext) {
      return;
    }
    try {
      await navigator.serviceWorker.register("service-worker.js");
      if (navigator.serviceWorker.controller) {
        return;
      }
      await new Promise((resolve) => {
        navigator.serviceWorker.addEventListener("controllerchange", resolve, { once: true });
        setTimeout(resolve, 3000);
      });
    } catch (error) {
      console.info("Mirtavo will not work offline:", error);
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
    document.getElementById(id).addEventListener("click", () => location.reload());
  }
  canvas.addEventListener("contextmenu", (event) => event.preventDefault());

  offlineReady().then(start);
})();
